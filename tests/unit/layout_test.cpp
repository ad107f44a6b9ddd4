#include <gtest/gtest.h>

#include "forms/Layout.h"

namespace {

using forms::Identifier;
using forms::IdentifierSet;
using forms::LayoutError;
using forms::ParseLayout;

TEST(Layout, ParsesObjectsPropertiesAndValues) {
    const std::string text =
        "# a comment\n"
        "object FPrueba: TFPrueba\n"
        "  Caption = \"Será...\\r\\\"x\\\"\\\\\"\n"
        "  Color = 0xE86C74\n"
        "  Left = -5\n"
        "  BorderStyle = bsSingle  # trailing comment\n"
        "  Font.Style = [fsBold, fsItalic]\n"
        "  Empty = []\n"
        "  object Sera: TBitBtn\n"
        "    Left = 632\n"
        "  end\n"
        "  object PanelPrin: TPanel\n"
        "    object PaintBox1: TPaintBox\n"
        "    end\n"
        "  end\n"
        "end\n";
    const forms::LayoutNode root = ParseLayout(text, "TFPRUEBA");
    EXPECT_EQ(root.name, "FPrueba");
    EXPECT_EQ(root.kind, "TFPrueba");
    EXPECT_EQ(root.line, 2);
    ASSERT_EQ(root.properties.size(), 6u);
    EXPECT_EQ(std::get<std::string>(root.properties[0].value), "Será...\r\"x\"\\");
    EXPECT_EQ(std::get<std::int64_t>(root.properties[1].value), 0xE86C74);
    EXPECT_EQ(std::get<std::int64_t>(root.properties[2].value), -5);
    EXPECT_EQ(std::get<Identifier>(root.properties[3].value).name, "bsSingle");
    EXPECT_EQ(std::get<IdentifierSet>(root.properties[4].value),
              (IdentifierSet{"fsBold", "fsItalic"}));
    EXPECT_TRUE(std::get<IdentifierSet>(root.properties[5].value).empty());
    EXPECT_EQ(root.properties[4].line, 7);
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].name, "Sera");
    EXPECT_EQ(root.children[0].line, 9);
    ASSERT_EQ(root.children[1].children.size(), 1u);
    EXPECT_EQ(root.children[1].children[0].kind, "TPaintBox");
}

TEST(Layout, MalformedLayoutsAreRejectedWithLineAndReason) {
    struct Caso {
        const char* text;
        int line;
        const char* reason;
    };
    const Caso casos[] = {
        {"", 1, "empty layout"},
        {"thing X: T\nend\n", 1, "expected 'object'"},
        {"object X T\nend\n", 1, "expected ':' after the control name"},
        {"object X: T\n  Left 5\nend\n", 2, "expected '=' after the property name"},
        {"object X: T\n  Left = \nend\n", 2, "expected a value"},
        {"object X: T\n  Caption = \"open\nend\n", 2, "string is not closed on its line"},
        {"object X: T\n  Caption = \"a\\q\"\nend\n", 2, "unknown escape in string"},
        {"object X: T\n  Left = 12px\nend\n", 2, "malformed number"},
        {"object X: T\n  Left = 0x1FFFFFFFF\nend\n", 2, "number out of range"},
        {"object X: T\n  Left = 1 2\nend\n", 2, "unexpected text at the end of the line"},
        {"object X: T\n  Left = 1\n  Left = 2\nend\n", 3, "property 'Left' is given twice"},
        {"object X: T\n  S = [a b]\nend\n", 2, "expected ',' or ']' in the set"},
        {"object X: T\n  object Y: U\n  end\n", 1, "object 'X' has no closing 'end'"},
        {"object X: T\nend\nobject Y: T\nend\n", 3, "unexpected text after the closing 'end'"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.text);
        try {
            ParseLayout(c.text, "TFROTO");
            ADD_FAILURE() << "accepted";
        } catch (const LayoutError& e) {
            EXPECT_EQ(e.resource(), "TFROTO");
            EXPECT_EQ(e.line(), c.line);
            EXPECT_EQ(e.reason(), c.reason);
            EXPECT_EQ(std::string(e.what()),
                      "TFROTO, line " + std::to_string(c.line) + ": " + c.reason);
        }
    }
}

}  // namespace
