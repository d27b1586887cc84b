// SPDX-License-Identifier: GPL-3.0-or-later
// The headless replay stores what a masked edit of the page would store for a text it was given
// (engine/FieldValues.h): the page's own edit and the engine's emulation of its mask fill are
// compared over the masks of the script set and the awkward texts a declaration may hold.
#include "engine/FieldValues.h"
#include "engine/PageText.h"
#include "pages/PageControls.h"
#include "platform/QtText.h"
#include "support/TestSupport.h"

#include <QWidget>

#include <gtest/gtest.h>

using namespace taxilo;
using namespace taxilo::test;

TEST(MaskAgreement, TheEngineFillsAMaskAsThePagesEditDoes)
{
    const std::vector<std::string> masks{"!99-999;1;_", "!99-99-9999;1;", "!99-999;0;_",       "00-000;1;_",
                                         ">LL 000;1;_", "<>aaa-ccc;0;_",  "\\(999\\) 999;1;_", "#999;1;_"};
    const std::vector<std::string> texts{"",           "00-001", "00001",  "5-3-1980", "05-03-1980", "  -   ",
                                         "1",          "-",      "12-",    "ab12",     "AB 123",     "xy 9",
                                         "(12) 345",   "+12",    "Łódź 1", "1234567",  "00-0011",    " 1-2",
                                         "31-02-2016", "12a34",  "-5",     "   ",      "9--9",       "ąę-1"};
    QWidget parent;
    for (const std::string& scriptMask : masks) {
        const auto qtMask = TranslateMask(scriptMask);
        const auto engineMask = ParseFieldMask(scriptMask);
        ASSERT_TRUE(qtMask && engineMask) << scriptMask;
        for (const std::string& utf8 : texts) {
            const std::string text = W(utf8);
            MaskEdit edit(&parent);
            edit.SetMask(*qtMask);
            edit.SetStoredText(text);
            EXPECT_EQ(MaskStored(*engineMask, MaskDisplay(*engineMask, text)), edit.StoredText())
                << "mask " << scriptMask << ", text \"" << utf8 << "\"";
        }
    }
    EXPECT_FALSE(ParseFieldMask("!;1;_")) << "a mask without positions is no mask";
}
