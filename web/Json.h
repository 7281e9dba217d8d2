// A small JSON writer for what the backend tells the page.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace web {

class Json {
public:
    Json& beginObject() { return open('{'); }
    Json& endObject() { return close('}'); }
    Json& beginArray() { return open('['); }
    Json& endArray() { return close(']'); }
    Json& key(std::string_view k) {
        string(k);
        s_ += ':';
        afterKey_ = true;
        return *this;
    }
    Json& string(std::string_view v) {
        comma();
        s_ += '"';
        for (const char c : v) {
            const auto u = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                s_ += '\\';
                s_ += c;
            } else if (u < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", u);
                s_ += buf;
            } else {
                s_ += c;
            }
        }
        s_ += '"';
        return *this;
    }
    Json& number(long long v) {
        comma();
        s_ += std::to_string(v);
        return *this;
    }
    Json& boolean(bool v) {
        comma();
        s_ += v ? "true" : "false";
        return *this;
    }
    // A value another writer made.
    Json& raw(std::string_view v) {
        comma();
        s_ += v;
        return *this;
    }
    const std::string& str() const { return s_; }

private:
    // Keys and values at the same level are separated by commas; a key's value is not.
    void comma() {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (!s_.empty() && s_.back() != '{' && s_.back() != '[') s_ += ',';
    }
    Json& open(char c) {
        comma();
        s_ += c;
        return *this;
    }
    Json& close(char c) {
        s_ += c;
        return *this;
    }
    std::string s_;
    bool afterKey_ = false;
};

}  // namespace web
