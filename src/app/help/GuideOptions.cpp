#include "GuideOptions.h"

#include "core/options/OptionCaptions.h"
#include "core/options/OptionRange.h"
#include "help/HelpCaptions.h"

#include <set>

namespace r5k27 {
namespace {

QString cell(const QString& text) {
    return QStringLiteral("<td>") + text.toHtmlEscaped() + QStringLiteral("</td>");
}

QString tableStart(Language lang) {
    return QStringLiteral(
               "<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\" width=\"100%\"><tr><th>") +
           HelpCaptions::settingColumn.in(lang) + QStringLiteral("</th><th>") +
           HelpCaptions::meaningColumn.in(lang) + QStringLiteral("</th><th>") +
           HelpCaptions::valuesColumn.in(lang) + QStringLiteral("</th></tr>");
}

QString row(const QString& setting, const OptionInfo& info, Language lang) {
    return QStringLiteral("<tr>") + cell(setting) + cell(info.description.in(lang)) +
           cell(optionRangeText(info, lang)) + QStringLiteral("</tr>");
}

} // namespace

QString optionsGuideHtml(Language lang) {
    QString html;
    std::set<OptionId> shown;
    for (const OptionFrame& frame : optionWindowFrames()) {
        const LocalText& caption = frame.caption ? *frame.caption : HelpCaptions::generalFrame;
        html += QStringLiteral("<h3>") + caption.in(lang).toHtmlEscaped() +
                QStringLiteral("</h3>") + tableStart(lang);
        for (const CaptionedOption& option : frame.options) {
            html += row(optionCaption(option, lang), optionInfo(option.id), lang);
            shown.insert(option.id);
        }
        html += QStringLiteral("</table>");
    }
    // The rest are kept in the file and exchanged with the radio all the same; the user should
    // know they exist and where, if anywhere, they are set.
    html += QStringLiteral("<h3>") + HelpCaptions::otherValues.in(lang).toHtmlEscaped() +
            QStringLiteral("</h3>") + tableStart(lang);
    for (const OptionInfo& info : allOptions())
        if (!shown.contains(info.id))
            html += row(QString::fromLatin1(info.name), info, lang);
    return html + QStringLiteral("</table>");
}

} // namespace r5k27
