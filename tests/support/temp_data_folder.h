#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

#include "platform/atomic_file.h"
#include "platform/paths.h"

// A file's whole text; empty when it cannot be read.
inline std::string FileText(const std::string& path) {
    std::string text;
    ReadWholeFile(path, text);
    return text;
}

inline void WriteText(const std::string& path, const std::string& text) {
    ASSERT_TRUE(WriteFileAtomically(path, text));
}

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
    // Writes a file of the folder; gives its path.
    std::string Write(const std::string& name, const std::string& text) const {
        WriteText(File(name), text);
        return File(name);
    }
    std::string SettingsText() const { return FileText(paths.IniPath); }
    void WriteSettings(const std::string& text) const { WriteText(paths.IniPath, text); }

private:
    QTemporaryDir dir_;
    ProgramPaths saved_;
};
