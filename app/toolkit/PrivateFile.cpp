#include "toolkit/PrivateFile.h"

#include <QSaveFile>
#include <sys/stat.h>

bool writePrivateFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // QSaveFile makes its temporary file with the usual 0666 less the umask
    // (or with the permissions of the file it replaces): narrowed on the open
    // descriptor before a byte is written, so no other user ever could read it.
    if (::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0) {
        file.cancelWriting();
        return false;
    }
    return file.write(bytes) == bytes.size() && file.commit();
}
