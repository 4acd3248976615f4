// The built-in speech samples, fetched by identifier from the program's embedded resources.
#pragma once

#include "Sound.h"

#include <QByteArray>

class SampleCatalogue
{
public:
    // The whole RIFF WAVE image of the sample, or an empty array when the set has no such sample.
    QByteArray image(SampleId id) const;
    static QString resourcePath(SampleId id);
    // The short sound that stands in for a user's file that cannot be played.
    QByteArray alertImage() const;
};
