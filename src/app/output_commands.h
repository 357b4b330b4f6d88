#pragma once

#include "output/generate_report.h"

#include <QStringList>

class QAction;

namespace vantrel::app {

class TMainForm;
class TAboutBox;

// Programs tried in turn for "Calculatice" and "Bloc-notes": the desktops' own first.
inline const QStringList calculatorPrograms = {
    QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
    QStringLiteral("mate-calc"),        QStringLiteral("galculator"),
    QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};
inline const QStringList editorPrograms = {QStringLiteral("gnome-text-editor"),
                                           QStringLiteral("gedit"),
                                           QStringLiteral("kate"),
                                           QStringLiteral("kwrite"),
                                           QStringLiteral("mousepad"),
                                           QStringLiteral("pluma"),
                                           QStringLiteral("xed"),
                                           QStringLiteral("featherpad"),
                                           QStringLiteral("leafpad")};

// The first of the programs found on the PATH, as its bare name; empty when none is.
QString firstInstalledProgram(const QStringList& candidates);

// The windows and items the output commands bring to the main window.
struct OutputWindows {
    QAction* printerSetup; // "&Fichier" › "Paramètres de l'impression..."
    TAboutBox* about;
};

// Plugs print, export and e-mail of "Devis" and "Factures", adds the printer set-up to
// the file menu and wires the tools and help menus.
OutputWindows installOutputCommands(TMainForm& window);

// What the layout needs to know of the main window to fill the template with the
// document numbered `number`.
output::ReportRequest reportRequest(const TMainForm& window, output::DocumentKind kind,
                                    const QString& number);

} // namespace vantrel::app
