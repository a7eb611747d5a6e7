#include "app/data_files.h"

#include <QStringList>

QStringList AllDataFileNames() {
    QStringList names;
    for (const DataGroup& g : kDataGroups)
        for (int n = 1; n <= g.count; ++n) names << DataFileName(g.prefix, n);
    names << kHelpFile;
    return names;
}
