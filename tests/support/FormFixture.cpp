#include "FormFixture.h"

FormFixture::FormFixture(bool realPaths) : form(std::make_unique<TForm2>(fake.platform()))
{
    if (realPaths)
        return;
    paths = std::make_unique<RecordingPaths>(form->link);
    cloud = paths->cloud;
    socket = paths->socket;
    webRtc = paths->webRtc;
}

QStringList FormFixture::sent() const
{
    return paths ? paths->sent() : QStringList();
}
