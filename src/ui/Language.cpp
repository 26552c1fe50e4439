#include "ui/Language.h"

namespace ui {

namespace {
quint8 currentLanguage = 0;
} // namespace

quint8 language()
{
    return currentLanguage;
}

void setLanguage(quint8 language)
{
    currentLanguage = language;
}

} // namespace ui
