// SPDX-License-Identifier: MIT
#include "core/platform/DesktopEntry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurio {
namespace {

using Command = std::vector<std::string>;

TEST(DesktopEntry, execValue_quotesOnlyWhereNeededAndEscapesBothLayers) {
    const struct {
        Command command;
        const char *written;
    } cases[] = {
        {{"/usr/bin/mensurio", "tray"}, "/usr/bin/mensurio tray"},
        {{"/opt/My Apps/mensurio", "tray"}, "\"/opt/My Apps/mensurio\" tray"},
        {{"/opt/a\"b/mensurio"}, "\"/opt/a\\\\\"b/mensurio\""},
        {{"/opt/$HOME`x`/m"}, "\"/opt/\\\\$HOME\\\\`x\\\\`/m\""},
        {{"/opt/back\\slash/m"}, "\"/opt/back\\\\\\\\slash/m\""}, // four backslashes for one
        {{"/opt/100%/m"}, "/opt/100%%/m"},
        {{"/opt/it's/m"}, "\"/opt/it's/m\""},
        {{"/opt/new\nline/m"}, "\"/opt/new\\nline/m\""},
        {{"/m", ""}, "/m \"\""},
        {{"/opt/caf\xC3\xA9/m"}, "/opt/caf\xC3\xA9/m"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(DesktopEntry::ExecValue(c.command), c.written) << c.written;
        EXPECT_EQ(DesktopEntry::SplitExecValue(c.written), c.command) << c.written;
    }
}

TEST(DesktopEntry, splitExecValue_readsOtherWritersAndRefusesMalformedLines) {
    const struct {
        const char *value;
        std::optional<Command> command;
    } cases[] = {
        {"mensurio   TRAY ", Command{"mensurio", "TRAY"}},
        {"/usr/bin/mensurio %U tray", Command{"/usr/bin/mensurio", "tray"}}, // field codes dropped
        {"\"/a b\"/c tray", Command{"/a b/c", "tray"}},
        {"/a\\sb tray", Command{"/a", "b", "tray"}}, // \s is a space before the words are split
        {"\"/a \\\"b\"", Command{"/a \"b"}},         // an escape written without the string layer
        {"\"/unterminated tray", std::nullopt},
        {"\"/bad \\\\a escape\"", std::nullopt},
        {"/dangling\\", std::nullopt},
        {"/lone %", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"\"\" tray", std::nullopt}, // an empty program
    };
    for (const auto &c : cases)
        EXPECT_EQ(DesktopEntry::SplitExecValue(c.value), c.command) << c.value;
}

TEST(DesktopEntry, readGroup_takesOnlyTheDesktopEntryGroup) {
    const auto keys = DesktopEntry::ReadGroup("# comment\r\n[Desktop Entry]\r\nExec = /m tray\r\n"
                                              "Name=Mensurio\n\n[Desktop Action x]\nExec=/other\n");
    ASSERT_TRUE(keys);
    EXPECT_EQ(keys->at("Exec"), "/m tray");
    EXPECT_EQ(keys->at("Name"), "Mensurio");
    EXPECT_EQ(keys->size(), 2u);
}

TEST(DesktopEntry, readGroup_refusesMalformedText) {
    for (const char *text :
         {"", "Exec=/m\n", "[Other]\nExec=/m\n", "[Desktop Entry]\nnot a key\n", "[Desktop Entry]\n=value\n",
          "[Desktop Entry]\nExec=/a\nExec=/b\n", "[Desktop Entry]\nExec=/a\n[Desktop Entry]\nName=x\n"})
        EXPECT_FALSE(DesktopEntry::ReadGroup(text)) << text;
}

TEST(DesktopEntry, isWritableText_acceptsUtf8AndRefusesControlsAndBrokenSequences) {
    EXPECT_TRUE(DesktopEntry::IsWritableText("/opt/caf\xC3\xA9 \xE2\x82\xAC\xF0\x9F\x98\x80\t\n"));
    for (const char *bad :
         {"\x01", "\x7F", "caf\xE9", "\xC0\xAF", "\xED\xA0\x80", "\xE2\x82", "\xF5\x80\x80\x80"})
        EXPECT_FALSE(DesktopEntry::IsWritableText(bad)) << bad;
}

} // namespace
} // namespace mensurio

// Readers trim the blanks around a value: spaces at its ends must survive as escapes.
TEST(DesktopEntry, stringValue_spacesAtItsEndsSurviveAWriteAndARead) {
    for (const std::string value : {" lead", "trail ", "  both  ", " ", "in side", ""}) {
        const std::string text =
            "[Desktop Entry]\nComment=" + mensurio::DesktopEntry::EscapeString(value) + "\n";
        const auto group = mensurio::DesktopEntry::ReadGroup(text);
        ASSERT_TRUE(group.has_value()) << text;
        EXPECT_EQ(mensurio::DesktopEntry::UnescapeString(group->at("Comment")), value) << text;
    }
}
