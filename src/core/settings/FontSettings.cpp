// SPDX-License-Identifier: MIT
#include "core/settings/FontSettings.h"

#include "core/settings/ProgramSettings.h"

#include <cstdlib>

namespace mensurio {

namespace {

constexpr int32_t kDefaultSize = 8;

// a * b / c rounded half away from zero, without overflow for any 32-bit arguments.
int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    const int64_t product = static_cast<int64_t>(a) * b;
    const int64_t magnitude = (std::llabs(product) + c / 2) / c;
    const int64_t result = product < 0 ? -magnitude : magnitude;
    return static_cast<int32_t>(result > INT32_MAX ? INT32_MAX : result < INT32_MIN ? INT32_MIN : result);
}

} // namespace

int32_t FontSpec::Size() const {
    return -MulDiv(m_height, 72, kPixelsPerInch);
}

void FontSpec::SetSize(int32_t points) {
    m_height = -MulDiv(points, kPixelsPerInch, 72);
}

void FontSpec::ReadFromIni(const IniFile &file, const std::string &prefix) {
    const FontSpec defaults;
    SetCharset(file.ReadInteger(kGeneralSection, prefix + "charset", defaults.m_charset));
    SetColor(file.ReadInteger(kGeneralSection, prefix + "color", defaults.m_color));
    SetHeight(file.ReadInteger(kGeneralSection, prefix + "height", defaults.m_height));
    SetName(file.ReadString(kGeneralSection, prefix + "name", defaults.m_name));
    SetSize(file.ReadInteger(kGeneralSection, prefix + "size", kDefaultSize));
    m_bold = file.ReadBool(kGeneralSection, prefix + "bold", false);
    m_italic = file.ReadBool(kGeneralSection, prefix + "italic", false);
    m_underline = file.ReadBool(kGeneralSection, prefix + "underline", false);
    m_strikeout = file.ReadBool(kGeneralSection, prefix + "strikeout", false);
}

bool FontSpec::SaveToIni(IniFile &file, const std::string &prefix) const {
    return RunIgnoringRefusedWrites([&] {
        file.WriteInteger(kGeneralSection, prefix + "charset", m_charset);
        file.WriteInteger(kGeneralSection, prefix + "color", m_color);
        file.WriteInteger(kGeneralSection, prefix + "height", m_height);
        file.WriteInteger(kGeneralSection, prefix + "size", Size());
        file.WriteString(kGeneralSection, prefix + "name", m_name);
        file.WriteBool(kGeneralSection, prefix + "bold", m_bold);
        file.WriteBool(kGeneralSection, prefix + "italic", m_italic);
        file.WriteBool(kGeneralSection, prefix + "underline", m_underline);
        file.WriteBool(kGeneralSection, prefix + "strikeout", m_strikeout);
    });
}

void FontSpec::CopyFrom(const FontSpec &source) {
    *this = source;
}

} // namespace mensurio
