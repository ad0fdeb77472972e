// SPDX-License-Identifier: MIT
#include "core/settings/ProgramSettings.h"

#include "core/settings/StoredChoices.h"

#include <algorithm>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace mensurio {

namespace {

using FieldPointer = std::variant<bool ProgramSettings::*, int32_t ProgramSettings::*,
                                  std::string ProgramSettings::*, ResultFormat ProgramSettings::*,
                                  CompoundStyle ProgramSettings::*, TableResultFormat ProgramSettings::*,
                                  TablePaper ProgramSettings::*, TableDirection ProgramSettings::*>;

struct SettingField {
    const char *section;
    const char *key;
    FieldPointer field;
};

// Every key and the field it fills, in the order in which the settings are read. The keys are
// those of settings files already written and never change; the fields may be renamed freely.
const std::vector<SettingField> &ReadOrder() {
    static const std::vector<SettingField> fields = {
        {kToolbarSection, "Visible", &ProgramSettings::Toolbar971Visible},
        {kRecordbarSection, "Visible", &ProgramSettings::Toolbar972Visible},
        {kGeneralSection, "GeDiCate", &ProgramSettings::GeDiCate},
        {kGeneralSection, "GeSoUnit", &ProgramSettings::GeSoUnit},
        {kGeneralSection, "GeSoCate", &ProgramSettings::GeSoCate},
        {kGeneralSection, "GeCaDefa", &ProgramSettings::GeCaDefa},
        {kGeneralSection, "SwopValue", &ProgramSettings::SwopValue},
        {kGeneralSection, "CalcPath", &ProgramSettings::CalcPath},
        {kGeneralSection, "ReNumber", &ProgramSettings::ReNumber},
        {kGeneralSection, "ReDeciPlace", &ProgramSettings::ReDeciPlace},
        {kGeneralSection, "AktualCate", &ProgramSettings::AktualCate},
        {kGeneralSection, "com1abs", &ProgramSettings::com1abs},
        {kGeneralSection, "com2abs", &ProgramSettings::com2abs},
        {kGeneralSection, "maximized", &ProgramSettings::maximized},
        {kGeneralSection, "top", &ProgramSettings::top},
        {kGeneralSection, "left", &ProgramSettings::left},
        {kGeneralSection, "width", &ProgramSettings::width},
        {kGeneralSection, "height", &ProgramSettings::height},
        {kGeneralSection, "pgsdl5sort", &ProgramSettings::pgsdl5sort},
        {kGeneralSection, "split", &ProgramSettings::split},
        {kGeneralSection, "tablecategory", &ProgramSettings::tablecategory},
        {kGeneralSection, "tableresultformat", &ProgramSettings::tableresultformat},
        {kGeneralSection, "tablepaper", &ProgramSettings::tablepaper},
        {kGeneralSection, "tableconversionstyle", &ProgramSettings::tableconversionstyle},
        {kGeneralSection, "premaximized", &ProgramSettings::premaximized},
        {kGeneralSection, "save", &ProgramSettings::save},
        {kGeneralSection, "showhidden", &ProgramSettings::showhidden},
        {kGeneralSection, "showhiddenmulti", &ProgramSettings::showhiddenmulti},
        {kGeneralSection, "sortmulti", &ProgramSettings::sortmulti},
        {kGeneralSection, "tray", &ProgramSettings::tray},
        {kGeneralSection, "pretop", &ProgramSettings::pretop},
        {kGeneralSection, "preleft", &ProgramSettings::preleft},
        {kGeneralSection, "prewidth", &ProgramSettings::prewidth},
        {kGeneralSection, "preheight", &ProgramSettings::preheight},
        {kGeneralSection, "multiformat", &ProgramSettings::multiformat},
        {kGeneralSection, "palmverze", &ProgramSettings::palmverze},
        {kGeneralSection, "tipbox", &ProgramSettings::tipbox},
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

template <typename Member>
void ReadField(const IniFile &file, const SettingField &entry, Member member, ProgramSettings &settings) {
    static const ProgramSettings defaults;
    using Value = std::remove_reference_t<decltype(settings.*member)>;
    if constexpr (std::is_enum_v<Value>) {
        const int32_t number = file.ReadInteger(entry.section, entry.key, ToStoredNumber(defaults.*member));
        settings.*member = FromStoredNumber(number, defaults.*member);
    } else if constexpr (std::is_same_v<Value, bool>) {
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
    if constexpr (std::is_enum_v<Value>) {
        file.WriteInteger(entry.section, entry.key, ToStoredNumber(settings.*member));
    } else if constexpr (std::is_same_v<Value, bool>) {
        file.WriteBool(entry.section, entry.key, settings.*member);
    } else if constexpr (std::is_same_v<Value, int32_t>) {
        file.WriteInteger(entry.section, entry.key, settings.*member);
    } else {
        file.WriteString(entry.section, entry.key, settings.*member);
    }
}

} // namespace

std::vector<SettingKey> ProgramSettingKeys() {
    std::vector<SettingKey> keys;
    for (const SettingField &entry : ReadOrder())
        keys.push_back({entry.section, entry.key});
    return keys;
}

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
