// SPDX-License-Identifier: GPL-3.0-or-later
// The licence window on the program folder's licencja.rtf, as "Informacje > Umowa licencyjna" shows it.
#include "app/HintForm.h"
#include "support/TestSupport.h"

#include <QTextBrowser>

#include <gtest/gtest.h>

namespace taxilo {
namespace {

TEST(LicenceWindow, ShowsTheBuiltLicenceSummaryFromItsTop)
{
    TForm3 form(nullptr);
    form.ShowRtfFile(TAXILO_PROGRAM_DIR "/licencja.rtf");
    const QString text = form.RichEdit1->toPlainText();
    // The licence's name and version, what it allows, no warranty, where the full text lies,
    // and every part by other authors; Polish letters read from Windows-1250.
    for (const char* part :
         {"Umowa licencyjna", "GNU General Public License", "w wersji 3", "dowolnej późniejszej wersji",
          "bez jakiejkolwiek gwarancji", "pliku LICENSE", "https://www.gnu.org/licenses/gpl-3.0.html", "Liberation Sans",
          "Carlito", "SIL Open Font License 1.1", "Qt 6", "GNU LGPL", "SQLite", "domeny publicznej", "Łukasz Dziedzic"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    // A long text opens at its beginning, not scrolled to its end.
    EXPECT_EQ(form.RichEdit1->textCursor().position(), 0);
}

} // namespace
} // namespace taxilo
