#pragma once

#include <QtGlobal>

// The program's language: 0 = English, 1 = German. Every window reads it when it is shown and
// every message when it is raised.
namespace ui {

quint8 language();
void setLanguage(quint8 language);

inline bool isGerman()
{
    return language() == 1;
}

} // namespace ui
