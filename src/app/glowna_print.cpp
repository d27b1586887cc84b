// TForm1: the print-preview tabs, printing, PDF and the hand-off to e-Deklaracje. The print and
// hand-off units fill these in; until then their menu entries stay disabled and the actions
// that reach them do nothing.
#include "app/glowna.h"

namespace taxilo {

void TForm1::RefreshPreview() {}

void TForm1::PrintAll() {}

void TForm1::SaveAsPdf() {}

void TForm1::SendDeclaration() {}

void TForm1::ApplyPrintLine(const std::vector<std::string>&) {}

void TForm1::ApplyDelPrintLine(const std::vector<std::string>&) {}

void TForm1::RemovePreviewTabs() {}

bool TForm1::HasPreviewTabs() const
{
    return false;
}

} // namespace taxilo
