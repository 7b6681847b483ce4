// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegularFile.h"

#include <fcntl.h>
#include <unistd.h>

namespace tervane {

RegularFile openRegularFile(const QByteArray& name)
{
    RegularFile file;
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return file;
    if (::fstat(descriptor, &file.info) != 0 || !S_ISREG(file.info.st_mode)) {
        ::close(descriptor);
        file.otherKind = true;
        return file;
    }
    file.descriptor = descriptor;
    return file;
}

} // namespace tervane
