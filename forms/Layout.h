// Parser of our window layout format, free of Windows so it is tested natively.
//
//   object FZafrena1: TFZafrena1      # a control: name and kind
//     Caption = "Será..."             # UTF-8 string; \r \n \" \\ escapes
//     Left = 632                      # integer, decimal or 0x hex, may be negative
//     BorderStyle = bsSingle          # identifier
//     Font.Style = [fsBold, fsItalic] # set of identifiers
//     object Sera: TBitBtn            # children nest
//     end
//   end
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace forms {

struct Identifier {
    std::string name;
    bool operator==(const Identifier&) const = default;
};
using IdentifierSet = std::vector<std::string>;
using Value = std::variant<std::int64_t, std::string, Identifier, IdentifierSet>;

struct Property {
    std::string key;
    Value value;
    int line = 0;
};

struct LayoutNode {
    std::string name;
    std::string kind;
    int line = 0;
    std::vector<Property> properties;
    std::vector<LayoutNode> children;
};

// A layout that cannot be used, with where and why.
class LayoutError : public std::runtime_error {
public:
    LayoutError(std::string resource, int line, std::string reason);
    const std::string& resource() const { return resource_; }
    int line() const { return line_; }
    const std::string& reason() const { return reason_; }

private:
    std::string resource_;
    int line_;
    std::string reason_;
};

// Parses one layout holding exactly one top-level object.
LayoutNode ParseLayout(const std::string& text, const std::string& resource);

}  // namespace forms
