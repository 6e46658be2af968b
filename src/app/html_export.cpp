// The shown list as a web page.
#include "app/main_window.h"

#include "controls/label_3d.h"
#include "controls/sort_grid.h"
#include "core/protocol_row.h"
#include "core/result_numbers.h"
#include "core/result_page_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace zn {

bool TFormMain::WriteResultPage(const QString& fileName) {
    ResultPageInput page;
    page.applicationTitle = kAppTitle;
    page.title1 = Title1->Caption();
    page.title2 = Title2->Caption();
    page.listTitle = Model.ListTitle();
    page.listCaption = ListCaption;
    page.protocolLayout = CurrentList == SortGrid1 || CurrentList == SortGrid2;
    page.rows = Model.Rows(Model.ShownList());
    page.colCount = Model.List(Model.ShownList()).ColCount();
    page.separator = DecimalSeparator();
    const WriteResult result = SaveResultPage(fileName, page);
    if (!result.ok) TellOperator(WriteErrorText(QDir::toNativeSeparators(fileName)), true);
    return result.ok;
}

// "Als Webseite": the page goes beside the program (or to the data folder when
// that is read-only), named after the shown list, and opens in the browser. A
// page that could not be written is not opened, not even an older one of the
// same name: it would show results that are not the current ones.
void TFormMain::sbHTMLClick() {
    const QString fileName = ResultPagePath(ResultFolder, ListCaption);
    if (!WriteResultPage(fileName)) return;
    if (!QFileInfo::exists(fileName)) return;
    if (!platform_.shell->Open(fileName))
        StatusPanel1->setText(
            tr(" Seite konnte nicht geöffnet werden: %1").arg(QDir::toNativeSeparators(fileName)));
}

} // namespace zn
