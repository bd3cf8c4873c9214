#pragma once
// "Über Chiffrarium": the version, the licence, the Qt it runs on, and the
// folder that stands for drive A:.

#include <QString>

class QWidget;

void ShowAbout(QWidget* parent, const QString& driveFolder);
