// SPDX-License-Identifier: MIT
#include "core/custom/CustomUnits.h"

#include "core/custom/CustomTexts.h"
#include "core/db/UnitDatabase.h"

#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace mensurio;

namespace {

using Names = std::vector<std::string>;

class CustomUnitsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        db = test::DatabaseOf({{"Length",
                                {{"meter", 1.0L},
                                 {"foot", 0.3048L, false, false, "meter"},
                                 {"Inch", 0.0254L, false, false, "foot"}}},
                               {"Temperature", {{"Kelvin", 0}}},
                               {"Game money", {}, true}});
    }

    UnitRecord Unit(const std::string &category, const std::string &name) {
        db.SelectCategory(category);
        for (db.FirstUnit(); db.HasUnit(); db.NextUnit())
            if (db.UnitName() == name)
                return db.CurrentUnitRecord();
        ADD_FAILURE() << "no unit " << name;
        return {};
    }

    UnitDatabase db;
    CustomUnits units{db, NumberSeparators{}};
};

TEST_F(CustomUnitsTest, RefusesCustomUnits_exactlyTheSevenSpecialCategories) {
    for (const char *name : {"Temperature", "Fractions", "Fuel Efficiency", "HVAC Efficiency", "Numbers",
                             "Frequency Wavelength", "Thermal Resistivity"})
        EXPECT_TRUE(CustomUnits::RefusesCustomUnits(name)) << name;
    for (const char *name : {"temperature", "Length", "Numbers ", "Fuel efficiency", ""})
        EXPECT_FALSE(CustomUnits::RefusesCustomUnits(name)) << name;
}

TEST_F(CustomUnitsTest, Add_toARefusingCategory_isRefused) {
    EXPECT_EQ(units.Add("Temperature", "Delisle", "2", "Kelvin").message, CustomTexts::RefusedCategory);
    EXPECT_EQ(db.UnitCount("Temperature"), 1);
}

TEST_F(CustomUnitsTest, Add_furlongInMeters_factorAndDescription) {
    ASSERT_TRUE(units.Add("Length", "furlong", "201.168", "meter").done);
    const UnitRecord furlong = Unit("Length", "furlong");
    EXPECT_EQ(furlong.Factor, 201.168L);
    EXPECT_EQ(furlong.OriginUnit, "meter");
    EXPECT_EQ(furlong.Custom, 1);
    EXPECT_EQ(furlong.DefaultOrder, 4);
    EXPECT_EQ(units.Description("Length", "furlong"), "1 furlong = 201.168 meter");
    EXPECT_EQ(units.UnitNames("Length"), Names{"furlong"});
}

TEST_F(CustomUnitsTest, Add_factorIsRelativeToTheBaseUnit) {
    ASSERT_TRUE(units.Add("Length", "pace", "2,5", "foot").done);
    EXPECT_EQ(Unit("Length", "pace").Factor, 0.3048L * 2.5L);
    EXPECT_EQ(units.Description("Length", "pace"), "1 pace = 2.5 foot");
}

TEST_F(CustomUnitsTest, Description_usesTheLocaleDecimalMark) {
    CustomUnits comma(db, NumberSeparators{',', '.'});
    ASSERT_TRUE(comma.Add("Length", "pace", "2,5", "foot").done);
    EXPECT_EQ(comma.Description("Length", "pace"), "1 pace = 2,5 foot");
    EXPECT_EQ(comma.ModifySetup("Length", "pace").value, "2,5"); // read back as 2.5 on OK
}

TEST_F(CustomUnitsTest, Add_inEmptyCategory_makesTheBaseUnit) {
    const UnitEditorSetup setup = units.AddSetup("Game money");
    EXPECT_TRUE(setup.baseUnit);
    EXPECT_EQ(setup.value, CustomTexts::BaseUnitValue);
    EXPECT_TRUE(setup.origins.empty());
    ASSERT_TRUE(units.Add("Game money", "gold", setup.value, "").done);
    const UnitRecord gold = Unit("Game money", "gold");
    EXPECT_EQ(gold.Factor, 1.0L);
    EXPECT_EQ(gold.OriginUnit, "");
    EXPECT_EQ(units.Description("Game money", "gold"), "gold is the base unit.");
    EXPECT_FALSE(units.AddSetup("Game money").baseUnit);
}

struct RefusalCase {
    const char *name;
    const char *value;
    const char *message;
};

TEST_F(CustomUnitsTest, Add_refusesAndChangesNothing) {
    const RefusalCase cases[] = {
        {"rod", "abc", CustomTexts::InvalidValue},
        {"rod", "0", CustomTexts::ZeroValue},
        {"rod", "0.0", CustomTexts::ZeroValue},
        {"rod", "1e5000", CustomTexts::InvalidValue},
        {"rod", "1/0", CustomTexts::InvalidValue},
        {"Meter", "2", CustomTexts::UnitNameTaken},
        {"INCH", "2", CustomTexts::UnitNameTaken},
        {"   ", "2", CustomTexts::BlankUnitName},
        {"r\x81od", "2", CustomTexts::UnstorableName},
        {"meter", "abc", CustomTexts::InvalidValue}, // the value is judged before the name
    };
    for (const RefusalCase &c : cases) {
        const EditOutcome outcome = units.Add("Length", c.name, c.value, "foot");
        EXPECT_FALSE(outcome.done) << c.name << " = " << c.value;
        EXPECT_EQ(outcome.message, c.message) << c.name << " = " << c.value;
    }
    EXPECT_EQ(db.UnitCount("Length"), 3);
}

TEST_F(CustomUnitsTest, Add_productBelowTheRange_isRefusedAsZero) {
    ASSERT_TRUE(units.Add("Length", "tiny", "1e-4900", "meter").done);
    const EditOutcome outcome = units.Add("Length", "tinier", "1e-4900", "tiny");
    EXPECT_EQ(outcome.message, CustomTexts::ZeroValue);
}

TEST_F(CustomUnitsTest, Add_productBeyondTheRange_isRefusedAsInvalid) {
    ASSERT_TRUE(units.Add("Length", "huge", "1e4000", "meter").done);
    EXPECT_EQ(units.Add("Length", "huger", "1e1000", "huge").message, CustomTexts::InvalidValue);
    EXPECT_FALSE(db.UnitExists("Length", "huger"));
}

TEST_F(CustomUnitsTest, Add_baseUnitValueTypedWithUnits_stillNeedsAUniqueName) {
    EXPECT_EQ(units.Add("Length", "METER", CustomTexts::BaseUnitValue, "foot").message,
              CustomTexts::UnitNameTaken);
}

TEST_F(CustomUnitsTest, ModifySetup_offersEveryOtherUnitAndTheStoredOrigin) {
    ASSERT_TRUE(units.Add("Length", "furlong", "660", "foot").done);
    const UnitEditorSetup setup = units.ModifySetup("Length", "furlong");
    EXPECT_EQ(setup.origins, (Names{"foot", "Inch", "meter"}));
    ASSERT_EQ(setup.selectedOrigin, 0);
    EXPECT_EQ(setup.value, "660");
    EXPECT_EQ(setup.name, "furlong");
    EXPECT_FALSE(setup.baseUnit);
}

TEST_F(CustomUnitsTest, ModifySetup_missingOrigin_takesTheFirstRemainingUnit) {
    ASSERT_TRUE(units.Add("Length", "chain", "66", "foot").done); // "chain" sorts before "foot"
    ASSERT_TRUE(units.Add("Length", "furlong", "10", "chain").done);
    units.Remove("Length", "chain");
    const UnitEditorSetup setup = units.ModifySetup("Length", "furlong");
    EXPECT_EQ(setup.origins, (Names{"foot", "Inch", "meter"}));
    EXPECT_EQ(setup.selectedOrigin, 0);
    EXPECT_EQ(setup.value, "660");
    EXPECT_EQ(units.Description("Length", "furlong"), "1 furlong = 201.168 meter"); // list order
}

TEST_F(CustomUnitsTest, ModifySetup_onlyUnit_isLockedAsBaseUnit) {
    ASSERT_TRUE(units.Add("Game money", "gold", CustomTexts::BaseUnitValue, "").done);
    const UnitEditorSetup setup = units.ModifySetup("Game money", "gold");
    EXPECT_TRUE(setup.baseUnit);
    EXPECT_EQ(setup.selectedOrigin, -1);
    EXPECT_EQ(setup.value, CustomTexts::BaseUnitValue);
    ASSERT_TRUE(units.Modify("Game money", "gold", "Gold coin", setup.value, "", true).done);
    EXPECT_EQ(Unit("Game money", "Gold coin").Factor, 1.0L);
}

TEST_F(CustomUnitsTest, Modify_caseOnlyRenameAccepted_otherNameRefused) {
    ASSERT_TRUE(units.Add("Length", "furlong", "201.168", "meter").done);
    EXPECT_EQ(units.Modify("Length", "furlong", "FOOT", "201.168", "meter", false).message,
              CustomTexts::UnitNameTaken);
    ASSERT_TRUE(units.Modify("Length", "furlong", "Furlong", "201.168", "meter", false).done);
    EXPECT_EQ(units.UnitNames("Length"), Names{"Furlong"});
}

TEST_F(CustomUnitsTest, Modify_renamedOrigin_carriesIntoOtherDescriptions) {
    ASSERT_TRUE(units.Add("Length", "furlong", "201.168", "meter").done);
    ASSERT_TRUE(units.Add("Length", "mile8", "8", "furlong").done);
    ASSERT_TRUE(units.Modify("Length", "furlong", "stadium", "201.168", "meter", false).done);
    EXPECT_EQ(Unit("Length", "mile8").OriginUnit, "stadium");
    EXPECT_EQ(units.Description("Length", "mile8"), "1 mile8 = 8 stadium");
}

TEST_F(CustomUnitsTest, Modify_valueLeftAsShown_keepsTheExactFactor) {
    ASSERT_TRUE(units.Add("Length", "third", "1/3", "meter").done);
    const UnitEditorSetup setup = units.ModifySetup("Length", "third");
    EXPECT_EQ(setup.value, "0.3333333333");
    ASSERT_TRUE(units.Modify("Length", "third", "Third", setup.value, "meter", false).done);
    EXPECT_EQ(Unit("Length", "Third").Factor, 1.0L / 3.0L);
    // Another origin with the same text means a new definition.
    ASSERT_TRUE(units.Modify("Length", "Third", "Third", setup.value, "foot", false).done);
    EXPECT_EQ(Unit("Length", "Third").Factor, 0.3048L * 0.3333333333L);
}

TEST_F(CustomUnitsTest, Modify_badValue_keepsTheUnit) {
    ASSERT_TRUE(units.Add("Length", "furlong", "201.168", "meter").done);
    EXPECT_EQ(units.Modify("Length", "furlong", "furlong", "0", "meter", false).message,
              CustomTexts::ZeroValue);
    EXPECT_EQ(Unit("Length", "furlong").Factor, 201.168L);
}

TEST_F(CustomUnitsTest, Remove_keepsOtherFactorsAndOrigins) {
    ASSERT_TRUE(units.Add("Length", "furlong", "201.168", "meter").done);
    ASSERT_TRUE(units.Add("Length", "mile8", "8", "furlong").done);
    units.Remove("Length", "furlong");
    const UnitRecord mile8 = Unit("Length", "mile8");
    EXPECT_EQ(mile8.Factor, 8 * 201.168L);
    EXPECT_EQ(mile8.OriginUnit, "furlong");
    EXPECT_EQ(mile8.DefaultOrder, 4);
    EXPECT_EQ(units.Description("Length", "mile8"), "1 mile8 = 1609.344 meter");
}

TEST_F(CustomUnitsTest, Lists_areSortedIgnoringCase) {
    db.AddCategory("area", false);
    EXPECT_EQ(units.CategoryNames(), (Names{"area", "Game money", "Length", "Temperature"}));
    ASSERT_TRUE(units.Add("Length", "rod", "5.0292", "meter").done);
    ASSERT_TRUE(units.Add("Length", "Chain", "4", "rod").done);
    EXPECT_EQ(units.UnitNames("Length"), (Names{"Chain", "rod"}));
    EXPECT_EQ(units.AddSetup("Length").origins, (Names{"Chain", "foot", "Inch", "meter", "rod"}));
}

} // namespace
