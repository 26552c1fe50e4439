// Sample code for the self-test of CheckTranslations.cmake; never compiled.
#include <QCoreApplication>

void probe()
{
    QCoreApplication::translate("Probe", "Translated");
    QCoreApplication::translate("Probe", "Never translated");
    QCoreApplication::translate("Probe", "Two\r\rparagraphs");
    QCoreApplication::translate("Probe", "One\nline break");
}
