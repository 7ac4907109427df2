#include "app/autorun.h"

#include <QDir>

namespace autorun {

void Apply(platform::layer& os, bool auto_run, const program_layout& layout)
{
    const std::string name = layout.autorun_name.toStdString();
    if (!auto_run) {
        os.RemoveAutorun(name);
        return;
    }
    const std::string path = QDir::toNativeSeparators(layout.program_file).toStdString();
    // The stored value is the quoted command line, so this comparison with the
    // bare path always differs and the entry is rewritten: a moved program
    // folder is picked up at the next start.
    if (os.ReadAutorun(name) != path)
        os.SetAutorun(name, path, "-startup");
}

} // namespace autorun
