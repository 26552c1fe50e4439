#pragma once

#include <QtGlobal>

#include <functional>

class QLocale;
class QString;
class QTranslator;

// The program's language: one byte, 0 = English, 1 = German, as the settings store it. It picks the
// translation every window and message is shown in.
namespace ui {

inline constexpr quint8 kEnglish = 0;
inline constexpr quint8 kGerman = 1;

// The language the windows are built in: each carries its German captions until the program's
// language reaches it, at its first show or at a change of language.
inline constexpr quint8 kFormLanguage = kGerman;

quint8 language();

// Makes language the program's language and installs its translation in place of the previous one.
// Qt then sends every widget QEvent::LanguageChange; the windows have retranslated themselves when
// this returns. A byte that no language has leaves the texts as they are.
void setLanguage(quint8 language);

// True when the byte stands for a language the program has a translation for.
bool isLanguage(quint8 language);

// How numbers are written in language: "1,5" in German. English for a byte no language has.
QLocale localeOf(quint8 language);

// The program's translation of language, loaded but not necessarily installed: for texts wanted in
// another language than the program's without telling any window. Null for a byte no language has.
const QTranslator* translator(quint8 language);

// Runs apply while the texts answer in language instead of the program's language, without telling
// any window: for texts wanted in a language other than the current one.
void withLanguage(quint8 language, const std::function<void()>& apply);

} // namespace ui
