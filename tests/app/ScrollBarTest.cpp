// SPDX-License-Identifier: GPL-3.0-or-later
// The scroll bars read the right way round: the dark part of the bar is the thumb (as long as the
// visible share of the page or list) and it stands where the view stands, at the top when the
// view shows the start and at the bottom when it shows the end.
#include "BundledWizard.h"

#include <QImage>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <string>

namespace taxilo::test {
namespace {

struct Thumb {
    int top = -1, bottom = -1; // rows of the dark run, in the bar's pixels
};

// The dark run down the middle of the drawn bar: rows darker than halfway between the bar's
// lightest and darkest row.
Thumb DarkRun(QScrollBar* bar)
{
    const QImage image = bar->grab().toImage();
    const int x = image.width() / 2;
    int lightest = 0, darkest = 255;
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        const int lightness = QColor(image.pixel(x, y)).lightness();
        rows.push_back(lightness);
        lightest = std::max(lightest, lightness);
        darkest = std::min(darkest, lightness);
    }
    Thumb thumb;
    if (lightest - darkest < 40)
        return thumb; // no thumb to be seen
    const int middle = (lightest + darkest) / 2;
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        if (rows[static_cast<size_t>(y)] < middle) {
            if (thumb.top < 0)
                thumb.top = y;
            thumb.bottom = y;
        }
    return thumb;
}

std::string Problems(QScrollBar* bar, const char* which)
{
    std::string found;
    const double share = static_cast<double>(bar->pageStep()) / (bar->maximum() - bar->minimum() + bar->pageStep());
    const int expected = static_cast<int>(share * bar->height());
    for (const int value : {bar->minimum(), bar->maximum()}) {
        bar->setValue(value);
        const Thumb thumb = DarkRun(bar);
        const std::string at = std::string(which) + (value == bar->minimum() ? " at the start: " : " at the end: ");
        if (thumb.top < 0) {
            found += at + "no dark thumb\n";
            continue;
        }
        const int length = thumb.bottom - thumb.top + 1;
        if (length < expected / 2 || length > expected * 3 / 2 + 10)
            found += at + "the dark part is " + std::to_string(length) + " pixels long, the thumb should be about " +
                std::to_string(expected) + "\n";
        const int centre = (thumb.top + thumb.bottom) / 2;
        if ((value == bar->minimum()) != (centre < bar->height() / 2))
            found += at + "the dark part stands at the other end\n";
    }
    return found;
}

// A page of six children is taller than the window; so is the step list beside it.
TEST(ScrollBars, TheDarkThumbStandsWhereThePageAndTheStepListStand)
{
    BundledWizard w;
    w.F().resize(1000, 600);
    w.F().show();
    w.Open(With(OneEmployee("6000"), {{"DZ_LICZBA", "6"}}), 9);
    ASSERT_EQ(w.StepCaption(), "Odliczenia|Dzieci i miesiące ulgi|");
    Pump();
    QScrollBar* page = w.F().Page->sScrollBox1->verticalScrollBar();
    ASSERT_GT(page->maximum(), 0) << "the page scrolls";
    EXPECT_EQ(Problems(page, "page"), "");
    QScrollBar* steps = w.F().sListBox1->verticalScrollBar();
    ASSERT_GT(steps->maximum(), 0) << "the step list scrolls";
    EXPECT_EQ(Problems(steps, "step list"), "");
}

} // namespace
} // namespace taxilo::test
