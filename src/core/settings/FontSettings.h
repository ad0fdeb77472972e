// SPDX-License-Identifier: MIT
#pragma once

#include "core/settings/IniFile.h"

#include <cstdint>
#include <string>
#include <utility>

namespace mensurio {

inline constexpr char kFieldFontPrefix[] = "f1"; // text fields and lists
inline constexpr char kTabFontPrefix[] = "f2";   // category tabs

/// A font as its attributes are stored in the settings file; the window maps it to a real font.
/// As on the platform the numbers come from, the size in points and the character height in
/// pixels are two views of one value at 96 pixels per inch: setting either changes the other.
class FontSpec {
  public:
    static constexpr int32_t kPixelsPerInch = 96;
    static constexpr int32_t kSystemWindowTextColor = -2147483640; // 0x80000008
    static constexpr char kDefaultName[] = "ZEV Adurezu Zazu";

    int32_t Charset() const { return m_charset; }
    void SetCharset(int32_t charset) { m_charset = charset; }
    int32_t Color() const { return m_color; }
    void SetColor(int32_t color) { m_color = color; }
    int32_t Pitch() const { return m_pitch; }
    void SetPitch(int32_t pitch) { m_pitch = pitch; }
    const std::string &Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }

    /// Character height in pixels; negative as stored (the cell height without internal leading).
    int32_t Height() const { return m_height; }
    void SetHeight(int32_t height) { m_height = height; }
    /// Size in points, derived from the height.
    int32_t Size() const;
    void SetSize(int32_t points);

    bool Bold() const { return m_bold; }
    void SetBold(bool on) { m_bold = on; }
    bool Italic() const { return m_italic; }
    void SetItalic(bool on) { m_italic = on; }
    bool Underline() const { return m_underline; }
    void SetUnderline(bool on) { m_underline = on; }
    bool Strikeout() const { return m_strikeout; }
    void SetStrikeout(bool on) { m_strikeout = on; }

    /// Sets charset, color, height, name and size from the keys prefix + attribute (in this
    /// order, so the size wins over the height), then the four style flags.
    void ReadFromIni(const IniFile &file, const std::string &prefix);

    /// Writes charset, color, height, size, name and the four style flags. Stops at the first
    /// refused write and ignores it (returns false).
    bool SaveToIni(IniFile &file, const std::string &prefix) const;

    /// Copies character set, colour, height, name, pitch, size and style from another font.
    void CopyFrom(const FontSpec &source);

    bool operator==(const FontSpec &) const = default;

  private:
    int32_t m_charset = 0;
    int32_t m_color = kSystemWindowTextColor;
    int32_t m_pitch = 0;
    int32_t m_height = -11;
    std::string m_name = kDefaultName;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikeout = false;
};

} // namespace mensurio
