#include "basic_details/project_finish.h"
#include "basic_details/wizard_guru.h"
#include "basic_details/wizard_steps.h"
#include "workspace/registry_codec.h"

#include "support/printing.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace lendora;
using namespace lendora::wizard;

namespace {

FieldTexts sample() {
    const std::array<QStringList, stepCount + 1> values = {{
        {},
        {"Home Loan Project", "Easy Home Loan", "Easy Home"},
        {"City Bank", "Rural Credit"},
        {"CityHome", "RuralNest"},
        {"12.50", "30", "07.50"},
        {"12", "11.25", "10.5"},
        {"25000", "20000", "18000"},
        {"900", "700", "600"},
        {"85", "80", "75.0"},
        {"36", "36 months", "12"},
        {"34.", "26.01", "55.25"},
        {"2,500 gift", "1000", " 500 "},
    }};
    FieldTexts texts;
    for (int s = 1; s <= stepCount; ++s)
        for (int f = 0; f < values[size_t(s)].size(); ++f)
            texts.at(s, f) = values[size_t(s)][f];
    return texts;
}

TEST(EntryRules, NameFieldsTakeAnyTextThatIsNotEmpty) {
    EXPECT_FALSE(accepts(FieldKind::name, ""));
    EXPECT_TRUE(accepts(FieldKind::name, " "));
    EXPECT_TRUE(accepts(FieldKind::name, "0"));
    EXPECT_TRUE(accepts(FieldKind::name, "\"Quoted\", with comma"));
}

TEST(EntryRules, NumberFieldsTakeALeadingNumberOtherThanZero) {
    struct Case {
        QString text;
        bool accepted;
    };
    const Case cases[] = {
        {"150", true},
        {"-5", true},
        {"24 months", true},
        {".5", true},
        {"  7", true},
        {"0", false},
        {"0.0", false},
        {"", false},
        {"abc", false},
        {"-0", false},
        {"months 24", false},
        // Beyond single range: no number at all.
        {"1234567890123456789012345678901234567890", false},
        // Not 0 as a double, but 0 in single precision.
        {"0." + QString(50, u'0') + "1", false},
        {"340282346638528859811704183484516925440", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(accepts(FieldKind::number, c.text), c.accepted) << c.text.toStdString();
}

TEST(EntryRules, EveryFieldRefusesWithItsMessageAndTheNameAsTyped) {
    const FieldTexts t = sample();
    struct Case {
        int step, field;
        const char* message;
    };
    const Case cases[] = {
        {1, 0, "Enter a Name for the new project"},
        {1, 1, "Enter the Product name for Home Loan Project"},
        {1, 2, "Enter the Brand name for Home Loan Project"},
        {2, 0, "Enter the name of the first competitor for Home Loan Project"},
        {2, 1, "Enter the name of the second competitor for Home Loan Project"},
        {3, 0, "Enter brand name for City Bank"},
        {3, 1, "Enter brand name for Rural Credit"},
        {4, 0, "Enter Market Share for Easy Home"},
        {4, 1, "Enter Market Share for CityHome"},
        {4, 2, "Enter Market Share for RuralNest"},
        {5, 1, "Enter rate of Interest in % for CityHome"},
        {6, 2, "Enter Minimm Eligible Income for RuralNest"},
        {7, 0, "Enter Maximum Loan Value for Easy Home"},
        {8, 1, "Enter Maximum Loan Percentage for CityHome"},
        {9, 2, "Enter Repayment Period in Months, for RuralNest"},
        {10, 0, "Enter EMI for Easy Home"},
        {11, 1, "Enter value of freebies, for CityHome"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(refusal(c.step, c.field, t), c.message) << c.step << "/" << c.field;

    FieldTexts blanks = t;
    blanks.at(1, 0) = " ";
    blanks.at(1, 2) = "";
    EXPECT_EQ(refusal(1, 1, blanks), "Enter the Product name for  ");
    EXPECT_EQ(refusal(4, 0, blanks), "Enter Market Share for ");
}

TEST(Steps, CaptionsAndLabelsAreComposedFromTheNamesOfTheFirstSteps) {
    const FieldTexts t = sample();
    EXPECT_EQ(enteredCaption(1, t), std::nullopt);
    EXPECT_EQ(enteredCaption(2, t), "Competitors for Home Loan Project");
    EXPECT_EQ(enteredCaption(3, t), "Competitors' Brand namse for Home Loan Project");
    EXPECT_EQ(enteredCaption(5, t), "Rate of Interest for Home Loan Project");
    for (int s = 6; s <= stepCount; ++s)
        EXPECT_EQ(enteredCaption(s, t), std::nullopt) << s;

    EXPECT_TRUE(enteredLabels(1, t).isEmpty());
    EXPECT_TRUE(enteredLabels(2, t).isEmpty());
    const std::map<int, QStringList> labels = {
        {3, {"City Bank's Brand name:", "Rural Credit's Brand name:"}},
        {4, {"Easy Home's Market Share", "CityHomes' Market Share", "RuralNests' Market Share"}},
        {5,
         {"Easy Home's Rate of Interest", "CityHomes' Rate of Interest",
          "RuralNests' Rate of Interest"}},
        {6,
         {"Minimum Eligible Income for Easy Home", "Minimum Eligible Income for CityHome",
          "Minimum Eligible Income for RuralNest"}},
        {7,
         {"Maximum Loan Value for Easy Home", "Maximum Loan Value for CityHome",
          "Maximum Loan Value for RuralNest"}},
        {8,
         {"Maximum Loan Percentage for Easy Home", "Maximum Loan Percentage for CityHome",
          "Maximum Loan Percentage for RuralNest"}},
        {9,
         {"Repament Period in Months for Easy Home", "Repament Period in Months for CityHome",
          "Repament Period in Months for RuralNest"}},
        {10, {"Value of EMI  Easy Home", "Value of EMI  CityHome", "Value of EMI  RuralNest"}},
        {11,
         {"Value of freebies  Easy Home", "Value of freebies  CityHome",
          "Value of freebies  RuralNest"}},
    };
    for (const auto& [s, expected] : labels)
        EXPECT_EQ(enteredLabels(s, t), expected) << "step " << s;
}

TEST(Steps, BackLeadsToTheStepBeforeExceptFromTheLastTwo) {
    const int expected[] = {0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9};
    for (int s = 2; s <= stepCount; ++s)
        EXPECT_EQ(backTarget(s), expected[s]) << s;
}

TEST(Steps, FieldsHaveDistinctHelpContextsStartingWithTheFirstStep) {
    EXPECT_EQ(helpContext(1, 0), 1);
    EXPECT_EQ(helpContext(1, 1), 2);
    EXPECT_EQ(helpContext(1, 2), 3);
    std::set<int> seen;
    for (int s = 1; s <= stepCount; ++s)
        for (int f = 0; f < step(s).fieldCount; ++f)
            EXPECT_TRUE(seen.insert(helpContext(s, f)).second) << s << "/" << f;
}

TEST(GuruTexts, EnteringAStepNamesTheUsersValues) {
    const FieldTexts t = sample();
    EXPECT_EQ(enteringText(1, 7, t),
              (GuruText{"This is first step in creating a new project.\r\nNow, start by giving a "
                        "name for the new project. This is project #7",
                        1}));
    EXPECT_EQ(enteringText(3, 0, t).text,
              "Each competitor must be having a brand name for a product similar to Easy Home "
              "Loan. Enter the brand name for City Bank's product");
    EXPECT_EQ(enteringText(4, 0, t).text,
              "Each brand name viz. Your brand name-Easy Home, City Bank's brand name-CityHome,and "
              "Rural Credit's brand name-RuralNest enjoy some market share right now. Start by "
              "entering the market share for Easy Home");
    EXPECT_EQ(enteringText(8, 0, t).text,
              "Maximum Loan percentage is the percentage vaule of the product/service the customer "
              "will avail thruogh your loan. For example, if the customer can get a maximum of 85% "
              "of the product value by availing  then, enter 85 in the field for Easy Home,");
    EXPECT_EQ(enteringText(10, 0, t).text,
              "The Equeal Monthly Installments (EMI), 34., 26.01 and 55.25 have been calulated by "
              "Lendora 2012.You can proceed to the final step by clicking the 'Next' button on the "
              "form. In case you want to edit the EMI value, you have to edit either one or more "
              "of the following-\r\n1) Repayment Period\r\n2) Maximum Loan Value\r\n3) Rate of "
              "Interest\r\nThis can be done by going back step by step. Start by clicking the "
              "'Back' button on the form.");
    EXPECT_EQ(enteringText(11, 0, t).text,
              "Enter the value of freebies that come along with Easy Home, CityHome and "
              "RuralNest.Start by entering value of freebies for Easy Home.");
    EXPECT_EQ(enteringText(2, 0, t).text,
              "At this, stage you have identify your competitors\r\nIdentifying 2 competitors will "
              "be enough. Identifying more competitors only comlicates your strategy.\r\n"
              "Competitors can be identified in two ways - \r\n\t1. Your nearest competitor. \r\n"
              "\t2. The enterprise you have identified as the one whose market you are planning "
              "to attack\r\nStart by enterin the name of the first competitor. In Lendora 2012, "
              "both competitors are given equal weightage");
    // Each text is about the step's first field.
    for (int s = 1; s <= stepCount; ++s)
        EXPECT_EQ(enteringText(s, 1, t).helpContext, helpContext(s, 0)) << s;
}

TEST(GuruTexts, AnAcceptedEnterIntroducesTheNextFieldOrTheNextButton) {
    const FieldTexts t = sample();
    struct Case {
        int step, field;
        const char* text;
        int help; // 0: about no field
    };
    const Case cases[] = {
        {1, 0, "Next, enter the name of the product for which this project is created.", 2},
        {1, 1, "Now, Easy Home Loan must be having a brand name. Enter this brand name.", 3},
        {1, 2, "Now, click the 'Next' Button on the Form", 0},
        {2, 0, "Now, City Bank has been named as Competitor 1, enter the name of Competitor 2.",
         helpContext(2, 1)},
        {3, 0, "Now,enter the brand name for Rural Credit's product.", helpContext(3, 1)},
        {3, 1,
         "Now, click the 'Next' Button on the Form.\r\nIncase you want to edit City Bank or Rural "
         "Credit click the 'Back' button on the Form.",
         0},
        {4, 0, "Now, enter the market share for CityHome", helpContext(4, 1)},
        {4, 1, "Enter the market share for RuralNest", helpContext(4, 2)},
        {5, 0, "Now, enter the interest City Bank is charging for CityHome", helpContext(5, 1)},
        {5, 1, "Enter the interest charged by Rural Creditfor RuralNest", helpContext(5, 2)},
        {6, 1, "Finally, enter Minimum Eligible Income (Monthly) for RuralNest and press Enter.",
         helpContext(6, 2)},
        {7, 0, "Enter the Maximum Loan Value for CityHome.", helpContext(7, 1)},
        {8, 1, "Last, enter the Maximum Percentage value for RuralNest.", helpContext(8, 2)},
        {9, 0,
         "Enter the repayment period (in months) for CityHome. And click 'Next' button on the "
         "form.",
         helpContext(9, 1)},
        {9, 2, "Now, click the 'Next' Button on the Form", 0},
        {11, 0, "Now,continue by entering value of freebies for CityHome.", helpContext(11, 1)},
        {11, 2,
         "Now, click the 'Finish' Button on the Form, to finish the process.Incase you want to "
         "edit EMI on an after thought, click 'Back' button on the form.",
         0},
    };
    for (const Case& c : cases) {
        const auto text = acceptedText(c.step, c.field, t);
        ASSERT_TRUE(text.has_value()) << c.step << "/" << c.field;
        EXPECT_EQ(text->text, c.text) << c.step << "/" << c.field;
        EXPECT_EQ(text->helpContext, c.help) << c.step << "/" << c.field;
    }
    for (int f = 0; f < 3; ++f)
        EXPECT_EQ(acceptedText(emiStep, f, t), std::nullopt) << "the EMI step has none";
}

TEST(GuruTexts, BackNamesTheValuesOfTheStepBeforeInShortestForm) {
    FieldTexts t = sample();
    const std::map<int, QString> expected = {
        {2, "You can edit the new project details, by typing the details in the respective field "
            "and pressing Enteron the keyboard."},
        {3, "To edit the competitors' names, Type a new name in the respective field and press "
            "Enter on the keyboard."},
        {4, "To edit the brand names Easy Home or CityHome or RuralNest type a new brand name in "
            "the respective field. Then press Enter on the keyboard"},
        {5, "Now, you can edit 12.5 or 30or 7.5."},
        {6, "Now, to edit the Interest values 12 or 11.25 or 10.5 click inside the respective "
            "field and type a new value for interest. Then Press Enter on the keboard. and press "
            "Enter."},
        {7, "Now, to edit 25000 or 20000 or 18000 click inside the respective field and type a "
            "new value. Then press Enter on the keyboard."},
        {8, "Now,you can edit Maximum Loan Vaules 900, 700 and 600. Click on the field you want to "
            "edit and proceed to type in a new value. Then press Enter on the keyboard."},
        {9, "To edit 85or 80or 75, enter a new value in the respective fields and click the "
            "'Next' button on the Form."},
        {11, "You can now edit the repayment values."},
    };
    for (const auto& [s, text] : expected) {
        const auto back = backText(s, t);
        ASSERT_TRUE(back.has_value()) << s;
        EXPECT_EQ(back->text, text) << s;
    }
    EXPECT_EQ(backText(emiStep, t), std::nullopt);
    // Values that are no number show as 0.
    t.at(4, 1) = "abc";
    EXPECT_EQ(backText(5, t)->text, "Now, you can edit 12.5 or 0or 7.5.");
}

TEST(GuruTexts, FinishNamesTheProject) {
    EXPECT_EQ(guru::Guru_Finish("Home, \"Sweet\" Loan"),
              "All details pertaining to Home, \"Sweet\" Loan are displayed in the Project "
              "Details window.");
}

TEST(Finish, Competitor2ValuesAreReadWholeInSinglePrecision) {
    struct Case {
        const char* text;
        const char* cell;
    };
    const Case cases[] = {
        {"07.50", "7.5"},
        {" 12.50 ", "12.5"},
        {"-5", "-5"},
        {"10.1", "10.1"},
        {"0.1", "0.1"},
        {"", "0"},
        {"abc", "0"},
        {"24 months", "0"},
        {"16777217", "16777216"},
        {"1234567890123456789012345678901234567890", "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(finish::competitor2Cell(c.text), c.cell) << c.text;
}

TEST(Finish, TheDetailsTableHoldsTheTextsAsTypedExceptCompetitor2) {
    const Grid table = finish::detailsTable(sample());
    ASSERT_EQ(table.rowCount(), 4);
    ASSERT_EQ(table.columnCount(), 10);
    EXPECT_EQ(table.rowTexts(0),
              QStringList({"Product and Competitors", "Brand", "Market Share", "Interest",
                           "Min.Eligible Income", "Max. Loan Value", "Max. Loan Percentage",
                           "Repayment Period", "EMI", "Freebies"}));
    EXPECT_EQ(table.rowTexts(1), QStringList({"Home Loan Project", "Easy Home", "12.50", "12",
                                              "25000", "900", "85", "36", "34.", "2,500 gift"}));
    EXPECT_EQ(table.rowTexts(2), QStringList({"City Bank", "CityHome", "30", "11.25", "20000",
                                              "700", "80", "36 months", "26.01", "1000"}));
    EXPECT_EQ(table.rowTexts(3), QStringList({"Rural Credit", "RuralNest", "7.5", "10.5", "18000",
                                              "600", "75", "12", "55.25", "500"}));
}

TEST(Finish, TheProjectIsListedWithItsNamesAndKickOff) {
    EXPECT_EQ(finish::project(sample()), (Project{"Home Loan Project", "Easy Home Loan",
                                                  "Easy Home", ProjectStatus::KickOff}));
}

} // namespace
