#include "gui/app/print_document.h"

#include "gui/app/frm_main.h"
#include "core/app/print_layout.h"
#include "core/model/document.h"

#include <QDate>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

namespace {

QString escaped(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

QString tableHtml(const PrintTable& table)
{
    QString html = table.startsPage ? QStringLiteral("<h3 style=\"page-break-before: always\">")
                                    : QStringLiteral("<h3>");
    html += escaped(table.title) + QStringLiteral("</h3>");
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\"><thead><tr>");
    for (const std::string& column : table.columns)
        html += QStringLiteral("<th>") + escaped(column) + QStringLiteral("</th>");
    html += QStringLiteral("</tr></thead>");
    for (const auto& row : table.rows) {
        html += QStringLiteral("<tr>");
        for (const std::string& cell : row)
            html += QStringLiteral("<td>") + escaped(cell) + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

}  // namespace

QString PrintLayoutHtml(const PrintLayout& layout)
{
    QString html = QStringLiteral("<html><body><h2>") + escaped(layout.title) + QStringLiteral("</h2><p>");
    for (const auto& [label, value] : layout.header)
        html += QStringLiteral("<b>") + escaped(label) + QStringLiteral(":</b> ") + escaped(value)
            + QStringLiteral("&nbsp;&nbsp;&nbsp; ");
    html += QStringLiteral("</p>");
    for (const PrintTable& table : layout.tables)
        html += tableHtml(table);
    return html + QStringLiteral("</body></html>");
}

void PrintDocument(const Document& doc, QPrinter& printer)
{
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    QTextDocument text;
    QFont font = text.defaultFont();
    font.setPointSize(8);
    text.setDefaultFont(font);
    text.setHtml(PrintLayoutHtml(BuildPrintLayout(doc, date.toStdString())));
    text.print(&printer);
}

void registerPrintCommand(frmMain& main, Document& doc)
{
    main.registerCommand(Command::Print, [&main, &doc] {
        main.commitPendingEdits();
        QPrinter printer(QPrinter::HighResolution);
        QPrintPreviewDialog preview(&printer, &main);
        preview.setObjectName(QStringLiteral("printPreview"));
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &main,
                         [&doc](QPrinter* target) { PrintDocument(doc, *target); });
        preview.exec();
    });
}
