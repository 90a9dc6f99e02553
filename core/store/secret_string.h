#pragma once
#include <string>
#include <string_view>

namespace vk {

// Holds a secret (the master password) and wipes every buffer it ever used.
// Growth never leaves a copy behind: the old buffer is wiped before it is released.
class SecretString {
  public:
    SecretString() = default;
    explicit SecretString(std::string_view text) { Assign(text); }
    SecretString(const SecretString& other) { Assign(other.view()); }
    SecretString& operator=(const SecretString& other) {
        if (this != &other) Assign(other.view());
        return *this;
    }
    ~SecretString();

    void Assign(std::string_view text);
    void Clear();

    std::string_view view() const { return text_; }
    const std::string& str() const { return text_; }
    const char* c_str() const { return text_.c_str(); }
    std::size_t size() const { return text_.size(); }
    bool empty() const { return text_.empty(); }

    friend bool operator==(const SecretString& a, std::string_view b) { return a.text_ == b; }
    friend bool operator!=(const SecretString& a, std::string_view b) { return !(a == b); }

  private:
    std::string text_;
};

}  // namespace vk
