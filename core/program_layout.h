// Where the program's files live. A portable copy keeps everything beside its
// executable; an installed one keeps settings and history in the user's XDG
// folders and reads what it ships from <prefix>/share/quillbox. This is the
// one place that decides; everything else asks it.
#pragma once

#include <QString>

struct program_layout {
    bool installed = false;
    QString program_file; // what the restart and the autorun entry run
    QString settings_folder; // config.json, user.json, server.json
    QString data_folder; // content/ and the row image cache
    QString shared_folder; // dark.qss, gray.qss, back.png, icon.png
    QString autorun_name; // the autorun entry's name

    QString SettingsFile(const QString& name) const
    {
        return settings_folder + QLatin1Char('/') + name;
    }
    QString SharedFile(const QString& name) const
    {
        return shared_folder + QLatin1Char('/') + name;
    }

    // Portable when the executable's folder is writable and outside the
    // system's program folders; the XDG variables are read from the
    // environment (a relative value is ignored, as XDG says).
    static program_layout Decide(const QString& program_folder);
};

// The layout of this process, decided on first use; the folders it writes to
// are created then.
const program_layout& ProgramLayout();
