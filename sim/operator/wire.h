#ifndef OPERATORSIM_WIRE_H
#define OPERATORSIM_WIRE_H

#include <string>
#include <utility>
#include <vector>

// Reading and writing the bytes of the operator's protocol.
namespace wire {

// Key/value pairs in the order they came, duplicates kept.
using Fields = std::vector<std::pair<std::string, std::string>>;

// Undoes %XX escapes only: the operator's services take "+" literally,
// since the Base64 text of a message travels with its "+" unescaped.
std::string percentDecode(const std::string &text);

// "a=1&b=&c" -> (a,1) (b,"") (c,""), keys and values decoded.
Fields parseForm(const std::string &text);

// The value of the first pair with this key; empty if there is none.
std::string field(const Fields &fields, const std::string &key);
bool hasField(const Fields &fields, const std::string &key);

// Standard Base64 with "=" padding; false for anything else.
bool base64Decode(const std::string &text, std::string *bytes);

// A JSON string literal (quotes included).
std::string json(const std::string &text);

} // namespace wire

#endif
