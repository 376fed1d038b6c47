#pragma once
// Small bridges between the game's std::string texts and Qt's QString.

#include <QString>
#include <string>
#include <string_view>

namespace deedwell::ui {

inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string Std(const QString& text) {
    return text.toUtf8().toStdString();
}

// A caption as labels and window titles show it: the game writes a literal
// ampersand as "&&" (buttons and check boxes do this conversion themselves).
inline QString LabelCaption(std::string_view caption) {
    return Q(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// Message texts carry CR LF line ends; Qt wants plain LF.
inline QString MessageText(std::string_view text) {
    return Q(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace deedwell::ui
