// SPDX-License-Identifier: GPL-3.0-or-later
// A step whose condition turns false after it was reached leaves the step list, and Back no
// longer shows its page: the bundled root script keeps such a step's HOTPOINT outside the IF
// that guards its page.
#include "BundledWizard.h"

#include <QCheckBox>

using namespace taxilo;
using namespace taxilo::test;

TEST(ConditionalStep, SpouseAddressStepLeavesWhenTheSameAddressIsTicked)
{
    const std::string spouseData = W("Dane osobowe|Dane identyfikacyjne małżonka|");
    const std::string spouseAddress = W("Dane osobowe|Adres zamieszkania małżonka|");
    BundledWizard w;
    // A joint return whose spouse lives elsewhere, opened on the tax-office page: the spouse's
    // data, the spouse's address and the tax office are the pages 4, 5 and 6.
    w.Open(With(Joint(), {{"ADRES_M_JAK_P", "0"}, {"PIT36_35", "Kraków"}}), 6);
    ASSERT_NE(w.F().Page, nullptr);
    ASSERT_EQ(w.StepCaption(), "Dane osobowe|Urząd skarbowy|");
    auto steps = w.Steps();
    const auto at = std::find(steps.begin(), steps.end(), spouseData);
    ASSERT_NE(at, steps.end());
    ASSERT_NE(std::find(steps.begin(), steps.end(), spouseAddress), steps.end());

    // Back to the spouse's data; tick "Małżonek mieszka pod tym samym adresem"; Next.
    w.F().sListBox1->setCurrentRow(static_cast<int>(at - steps.begin()));
    Pump();
    ASSERT_EQ(w.StepCaption(), "Dane osobowe|Dane identyfikacyjne małżonka|");
    QCheckBox* same = w.Field<QCheckBox>("ADRES_M_JAK_P");
    ASSERT_NE(same, nullptr);
    ASSERT_FALSE(same->isChecked());
    same->click();
    const size_t logged = w.Dialogs.Log.size();
    w.F().sBitBtn1->click();
    Pump();
    EXPECT_EQ(w.WarningsSince(logged), "");
    EXPECT_EQ(w.StepCaption(), "Dane osobowe|Urząd skarbowy|") << "the address step is passed over";
    steps = w.Steps();
    EXPECT_EQ(std::find(steps.begin(), steps.end(), spouseAddress), steps.end()) << "the step left the list";

    // Back shows the spouse's data, not the address page of a step that is gone.
    w.F().sBitBtn2->click();
    Pump();
    EXPECT_EQ(w.StepCaption(), "Dane osobowe|Dane identyfikacyjne małżonka|");
    ASSERT_NE(w.F().Page, nullptr);
    EXPECT_NE(w.Field<QCheckBox>("ADRES_M_JAK_P"), nullptr) << "the page shown is the spouse's data";
}
