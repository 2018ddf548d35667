#ifndef TESTS_COUT_RECORDER_HPP
#define TESTS_COUT_RECORDER_HPP

#include <cstddef>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

// Takes the place of std::cout's buffer for as long as it lives, and records
// the text written and the length of that text at each flush. Never declare
// one const: std::cout writes into it, and changing a const object is
// undefined behaviour.
class CoutRecorder : private std::streambuf {
 public:
  CoutRecorder() : saved_{std::cout.rdbuf(this)} {}
  ~CoutRecorder() override { std::cout.rdbuf(saved_); }
  CoutRecorder(const CoutRecorder&) = delete;
  CoutRecorder& operator=(const CoutRecorder&) = delete;
  CoutRecorder(CoutRecorder&&) = delete;
  CoutRecorder& operator=(CoutRecorder&&) = delete;

  [[nodiscard]] const std::string& text() const { return text_; }
  [[nodiscard]] const std::vector<std::size_t>& flushes() const { return flushes_; }

 private:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      text_.push_back(traits_type::to_char_type(c));
    }
    return traits_type::not_eof(c);
  }
  int sync() override {
    flushes_.push_back(text_.size());
    return 0;
  }

  std::string text_;
  std::vector<std::size_t> flushes_;
  std::streambuf* saved_;
};

#endif  // TESTS_COUT_RECORDER_HPP
