#include "forms/Layout.h"

#include <cctype>

namespace forms {

LayoutError::LayoutError(std::string resource, int line, std::string reason)
    : std::runtime_error(resource + ", line " + std::to_string(line) + ": " + reason),
      resource_(std::move(resource)),
      line_(line),
      reason_(std::move(reason)) {}

namespace {

bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

class Parser {
public:
    Parser(const std::string& text, const std::string& resource)
        : text_(text), resource_(resource) {}

    LayoutNode Parse() {
        SkipBlank();
        if (AtEnd()) Fail("empty layout");
        LayoutNode root = ParseObject();
        SkipBlank();
        if (!AtEnd()) Fail("unexpected text after the closing 'end'");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& reason) const {
        throw LayoutError(resource_, line_, reason);
    }

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

    // Blanks, line ends and '#' comments.
    void SkipBlank() {
        while (!AtEnd()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (c == '#') {
                while (!AtEnd() && text_[pos_] != '\n') ++pos_;
            } else {
                break;
            }
        }
    }

    // Blanks within one line only.
    void SkipSpaces() {
        while (!AtEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r'))
            ++pos_;
    }

    std::string Name(const char* what) {
        if (!IsNameStart(Peek())) Fail(std::string("expected ") + what);
        const std::size_t start = pos_;
        while (!AtEnd() && IsNameChar(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
    }

    void Expect(char c, const char* what) {
        SkipSpaces();
        if (Peek() != c) Fail(std::string("expected ") + what);
        ++pos_;
    }

    void EndOfLine() {
        SkipSpaces();
        if (Peek() == '#') return;
        if (!AtEnd() && Peek() != '\n') Fail("unexpected text at the end of the line");
    }

    LayoutNode ParseObject() {
        LayoutNode node;
        node.line = line_;
        if (Name("'object'") != "object") Fail("expected 'object'");
        SkipSpaces();
        node.name = Name("a control name after 'object'");
        Expect(':', "':' after the control name");
        SkipSpaces();
        node.kind = Name("a control kind after ':'");
        EndOfLine();
        for (;;) {
            SkipBlank();
            if (AtEnd()) {
                line_ = node.line;
                Fail("object '" + node.name + "' has no closing 'end'");
            }
            const std::size_t mark = pos_;
            const int line = line_;
            const std::string word = Name("a property, 'object' or 'end'");
            if (word == "end") {
                EndOfLine();
                return node;
            }
            if (word == "object") {
                pos_ = mark;
                node.children.push_back(ParseObject());
                continue;
            }
            for (const Property& p : node.properties)
                if (p.key == word) Fail("property '" + word + "' is given twice");
            Expect('=', "'=' after the property name");
            SkipSpaces();
            node.properties.push_back(Property{word, ParseValue(), line});
            EndOfLine();
        }
    }

    Value ParseValue() {
        const char c = Peek();
        if (c == '"') return ParseString();
        if (c == '[') return ParseSet();
        if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) return ParseInteger();
        if (IsNameStart(c)) return Identifier{Name("a value")};
        Fail("expected a value");
    }

    std::string ParseString() {
        ++pos_;  // opening quote
        std::string s;
        for (;;) {
            if (AtEnd() || Peek() == '\n') Fail("string is not closed on its line");
            const char c = text_[pos_++];
            if (c == '"') return s;
            if (c != '\\') {
                s += c;
                continue;
            }
            if (AtEnd()) Fail("string is not closed on its line");
            switch (text_[pos_++]) {
                case 'r': s += '\r'; break;
                case 'n': s += '\n'; break;
                case '"': s += '"'; break;
                case '\\': s += '\\'; break;
                default: Fail("unknown escape in string");
            }
        }
    }

    std::int64_t ParseInteger() {
        bool negative = false;
        if (Peek() == '-') {
            negative = true;
            ++pos_;
        }
        int base = 10;
        if (Peek() == '0' && pos_ + 1 < text_.size() &&
            (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X')) {
            base = 16;
            pos_ += 2;
        }
        std::int64_t v = 0;
        int digits = 0;
        while (!AtEnd()) {
            const char ch = static_cast<char>(std::tolower(static_cast<unsigned char>(Peek())));
            int d;
            if (ch >= '0' && ch <= '9') d = ch - '0';
            else if (base == 16 && ch >= 'a' && ch <= 'f') d = ch - 'a' + 10;
            else break;
            v = v * base + d;
            if (v > 0xFFFFFFFFLL) Fail("number out of range");
            ++digits;
            ++pos_;
        }
        if (digits == 0) Fail("expected digits");
        if (IsNameChar(Peek())) Fail("malformed number");
        return negative ? -v : v;
    }

    IdentifierSet ParseSet() {
        ++pos_;  // '['
        IdentifierSet set;
        SkipSpaces();
        if (Peek() == ']') {
            ++pos_;
            return set;
        }
        for (;;) {
            SkipSpaces();
            set.push_back(Name("a name in the set"));
            SkipSpaces();
            if (Peek() == ']') {
                ++pos_;
                return set;
            }
            Expect(',', "',' or ']' in the set");
        }
    }

    const std::string& text_;
    const std::string& resource_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

}  // namespace

LayoutNode ParseLayout(const std::string& text, const std::string& resource) {
    return Parser(text, resource).Parse();
}

}  // namespace forms
