#ifndef TRANSLATIONSDIRECTORY_H
#define TRANSLATIONSDIRECTORY_H

#include <QString>

// The directory of the compiled catalogues: "translations" beside the executable
// when that exists (the build tree), otherwise the installed catalogue directory,
// found relative to the executable so that a moved installation still finds it.
QString translationsDirectory();

#endif
