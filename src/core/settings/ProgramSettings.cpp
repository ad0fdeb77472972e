// SPDX-License-Identifier: MIT
#include "core/settings/ProgramSettings.h"

#include <algorithm>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace mensurio {

namespace {

using FieldPointer =
    std::variant<bool ProgramSettings::*, int32_t ProgramSettings::*, std::string ProgramSettings::*>;

struct SettingField {
    const char *section;
    const char *key;
    FieldPointer field;
};

SettingField General(const char *key, FieldPointer field) {
    return {kGeneralSection, key, field};
}

#define MENSURIO_FIELD(name) General(#name, &ProgramSettings::name)

// The order in which the settings are read.
const std::vector<SettingField> &ReadOrder() {
    static const std::vector<SettingField> fields = {
        {kToolbarSection, "Visible", &ProgramSettings::Toolbar971Visible},
        {kRecordbarSection, "Visible", &ProgramSettings::Toolbar972Visible},
        MENSURIO_FIELD(GeDiCate),
        MENSURIO_FIELD(GeSoUnit),
        MENSURIO_FIELD(GeSoCate),
        MENSURIO_FIELD(GeCaDefa),
        MENSURIO_FIELD(SwopValue),
        MENSURIO_FIELD(CalcPath),
        MENSURIO_FIELD(ReNumber),
        MENSURIO_FIELD(ReDeciPlace),
        MENSURIO_FIELD(AktualCate),
        MENSURIO_FIELD(com1abs),
        MENSURIO_FIELD(com2abs),
        MENSURIO_FIELD(maximized),
        MENSURIO_FIELD(top),
        MENSURIO_FIELD(left),
        MENSURIO_FIELD(width),
        MENSURIO_FIELD(height),
        MENSURIO_FIELD(pgsdl5sort),
        MENSURIO_FIELD(split),
        MENSURIO_FIELD(tablecategory),
        MENSURIO_FIELD(tableresultformat),
        MENSURIO_FIELD(tablepaper),
        MENSURIO_FIELD(tableconversionstyle),
        MENSURIO_FIELD(premaximized),
        MENSURIO_FIELD(save),
        MENSURIO_FIELD(showhidden),
        MENSURIO_FIELD(showhiddenmulti),
        MENSURIO_FIELD(sortmulti),
        MENSURIO_FIELD(tray),
        MENSURIO_FIELD(pretop),
        MENSURIO_FIELD(preleft),
        MENSURIO_FIELD(prewidth),
        MENSURIO_FIELD(preheight),
        MENSURIO_FIELD(multiformat),
        MENSURIO_FIELD(palmverze),
        MENSURIO_FIELD(tipbox),
    };
    return fields;
}

// The order in which they are written: the reading order, except that each window rectangle
// is written as left, top, height, width (it is read as top, left, width, height).
const std::vector<SettingField> &WriteOrder() {
    static const std::vector<SettingField> fields = [] {
        std::vector<SettingField> order = ReadOrder();
        for (const std::string_view first : {"top", "pretop"}) {
            const auto at = std::find_if(order.begin(), order.end(),
                                         [&](const SettingField &f) { return first == f.key; });
            std::iter_swap(at, at + 1);
            std::iter_swap(at + 2, at + 3);
        }
        return order;
    }();
    return fields;
}

#undef MENSURIO_FIELD

template <typename Member>
void ReadField(const IniFile &file, const SettingField &entry, Member member, ProgramSettings &settings) {
    static const ProgramSettings defaults;
    using Value = std::remove_reference_t<decltype(settings.*member)>;
    if constexpr (std::is_same_v<Value, bool>) {
        settings.*member = file.ReadBool(entry.section, entry.key, defaults.*member);
    } else if constexpr (std::is_same_v<Value, int32_t>) {
        settings.*member = file.ReadInteger(entry.section, entry.key, defaults.*member);
    } else {
        settings.*member = file.ReadString(entry.section, entry.key, defaults.*member);
    }
}

template <typename Member>
void WriteField(IniFile &file, const SettingField &entry, Member member, const ProgramSettings &settings) {
    using Value = std::remove_cv_t<std::remove_reference_t<decltype(settings.*member)>>;
    if constexpr (std::is_same_v<Value, bool>) {
        file.WriteBool(entry.section, entry.key, settings.*member);
    } else if constexpr (std::is_same_v<Value, int32_t>) {
        file.WriteInteger(entry.section, entry.key, settings.*member);
    } else {
        file.WriteString(entry.section, entry.key, settings.*member);
    }
}

} // namespace

ProgramSettings ReadSettings(const IniFile &file) {
    ProgramSettings settings;
    for (const SettingField &entry : ReadOrder()) {
        std::visit([&](auto member) { ReadField(file, entry, member, settings); }, entry.field);
    }
    return settings;
}

bool WriteSettings(IniFile &file, const ProgramSettings &settings) {
    return RunIgnoringRefusedWrites([&] {
        for (const SettingField &entry : WriteOrder()) {
            std::visit([&](auto member) { WriteField(file, entry, member, settings); }, entry.field);
        }
    });
}

} // namespace mensurio
