// A text value of the program: a byte string of at most 255 characters.
//
// Every text of the shared state (model names, response codes, messages,
// drawing texts) is one of these. Bytes are kept as they are; conversion to
// Unicode happens only where a text reaches the windowing layer.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace quendal {

class Str255 {
public:
    static constexpr std::size_t kMaxLength = 255;

    Str255() = default;
    Str255(const char* text) { assign(std::string_view(text ? text : "")); }  // NOLINT(google-explicit-constructor)
    Str255(std::string_view text) { assign(text); }                          // NOLINT(google-explicit-constructor)
    Str255(const std::string& text) { assign(std::string_view(text)); }      // NOLINT(google-explicit-constructor)

    Str255& operator=(std::string_view text) { assign(text); return *this; }
    Str255& operator=(const char* text) { assign(std::string_view(text ? text : "")); return *this; }
    Str255& operator=(const std::string& text) { assign(std::string_view(text)); return *this; }

    std::size_t size() const { return length_; }
    bool empty() const { return length_ == 0; }
    const char* c_str() const { return bytes_.data(); }
    std::string_view view() const { return {bytes_.data(), length_}; }
    std::string str() const { return std::string(view()); }
    char operator[](std::size_t i) const { return i < length_ ? bytes_[i] : '\0'; }

    // Appends as much of `text` as fits; the rest is cut off.
    Str255& operator+=(std::string_view text) {
        const std::size_t n = std::min(text.size(), kMaxLength - length_);
        if (n > 0) std::memcpy(bytes_.data() + length_, text.data(), n);  // an empty view may hold no pointer
        length_ += n;
        bytes_[length_] = '\0';
        return *this;
    }
    Str255& operator+=(const Str255& other) { return *this += other.view(); }
    Str255& operator+=(const char* text) { return *this += std::string_view(text ? text : ""); }
    Str255& operator+=(const std::string& text) { return *this += std::string_view(text); }

    friend Str255 operator+(Str255 a, std::string_view b) { a += b; return a; }
    friend Str255 operator+(Str255 a, const Str255& b) { a += b.view(); return a; }
    friend Str255 operator+(Str255 a, const char* b) { a += b; return a; }
    friend Str255 operator+(Str255 a, const std::string& b) { a += std::string_view(b); return a; }

    // Codes and messages compare exactly and case-sensitively.
    friend bool operator==(const Str255& a, const Str255& b) { return a.view() == b.view(); }
    friend bool operator==(const Str255& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const Str255& a, const char* b) { return a.view() == std::string_view(b ? b : ""); }
    friend bool operator==(const Str255& a, const std::string& b) { return a.view() == std::string_view(b); }

private:
    void assign(std::string_view text) {
        length_ = std::min(text.size(), kMaxLength);
        if (length_ > 0) std::memcpy(bytes_.data(), text.data(), length_);  // an empty view may hold no pointer
        bytes_[length_] = '\0';
    }

    std::array<char, kMaxLength + 1> bytes_{};
    std::size_t length_ = 0;
};

}  // namespace quendal
