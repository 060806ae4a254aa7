#pragma once

#include <QTemporaryDir>
#include <string>

#include "platform/paths.h"

// A data folder of its own for one test, with the settings file inside it.
class TempDataFolder {
public:
    TempDataFolder() : saved_(paths) {
        paths.DataFolder = dir_.path().toStdString();
        paths.IniPath = paths.DataFolder + "/Kavlor.ini";
    }
    ~TempDataFolder() { paths = saved_; }
    TempDataFolder(const TempDataFolder&) = delete;
    TempDataFolder& operator=(const TempDataFolder&) = delete;

    std::string File(const std::string& name) const { return paths.DataFolder + "/" + name; }

private:
    QTemporaryDir dir_;
    ProgramPaths saved_;
};
