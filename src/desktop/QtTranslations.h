// Qt's own texts (standard buttons, the file dialog) in the language Kalindor speaks.
#pragma once

#include <QTranslator>

#include <memory>

class QtTranslations
{
public:
    // 0 French, 1 German, anything else English (Qt's own language). Loads only on a change.
    void follow(int language);

private:
    int current = -1;
    std::unique_ptr<QTranslator> translator; // a QTranslator leaves the application when deleted
};
