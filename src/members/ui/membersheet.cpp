#include "members/ui/membersheet.h"

#include "members/membersheet.h"
#include "output/infosheet.h"
#include "output/ui/reportprint.h"

namespace {

// The template with its fixed logo, filled with the member.
Report::Template filledSheet(const Record& member)
{
    static const QImage logo = InfoSheet::fixedLogo();
    Report::Template sheet = MemberSheet::design(logo);
    MemberSheet::fill(sheet, member);
    return sheet;
}

}  // namespace

void previewMemberSheet(QWidget* parent, const Record& member)
{
    ReportPrint::preview(parent, filledSheet(member));
}

void printMemberSheet(QWidget* parent, const Record& member)
{
    ReportPrint::print(parent, filledSheet(member));
}
