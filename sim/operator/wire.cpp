#include "wire.h"

#include <cstdio>

namespace wire {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int base64Value(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

} // namespace

std::string percentDecode(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0
            && hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

Fields parseForm(const std::string &text)
{
    Fields fields;
    if (text.empty())
        return fields;
    size_t start = 0;
    while (true) {
        const size_t end = text.find('&', start);
        const std::string pair = text.substr(start, end == std::string::npos ? end : end - start);
        const size_t equals = pair.find('=');
        if (equals == std::string::npos)
            fields.emplace_back(percentDecode(pair), std::string());
        else
            fields.emplace_back(percentDecode(pair.substr(0, equals)),
                                percentDecode(pair.substr(equals + 1)));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return fields;
}

std::string field(const Fields &fields, const std::string &key)
{
    for (const auto &pair : fields) {
        if (pair.first == key)
            return pair.second;
    }
    return std::string();
}

bool hasField(const Fields &fields, const std::string &key)
{
    for (const auto &pair : fields) {
        if (pair.first == key)
            return true;
    }
    return false;
}

bool base64Decode(const std::string &text, std::string *bytes)
{
    if (text.size() % 4 != 0)
        return false;
    bytes->clear();
    for (size_t i = 0; i < text.size(); i += 4) {
        int values[4];
        int padding = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = text[i + k];
            const bool last = i + 4 == text.size();
            if (c == '=' && last && k >= 2 && (k == 3 || text[i + 3] == '=')) {
                values[k] = 0;
                ++padding;
            } else if ((values[k] = base64Value(c)) < 0 || padding > 0) {
                return false;
            }
        }
        const unsigned triple = (values[0] << 18) | (values[1] << 12) | (values[2] << 6) | values[3];
        *bytes += static_cast<char>((triple >> 16) & 0xFF);
        if (padding < 2)
            *bytes += static_cast<char>((triple >> 8) & 0xFF);
        if (padding < 1)
            *bytes += static_cast<char>(triple & 0xFF);
    }
    return true;
}

std::string json(const std::string &text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

} // namespace wire
