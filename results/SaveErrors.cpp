#include "SaveErrors.h"

#include <cerrno>
#include <cstring>

namespace results {

std::string pricinaChyby(int code) {
    switch (code) {
    case ENOSPC:
        return "disk je plný";
    case EDQUOT:
        return "kvóta na disku je vyčerpaná";
    case EFBIG:
        return "súbor by bol príliš veľký";
    case EROFS:
        return "disk je len na čítanie";
    case EACCES:
    case EPERM:
        return "prístup bol odmietnutý (chýba oprávnenie na zápis)";
    case EISDIR:
        return "na mieste súboru je priečinok";
    case ENOENT:
        return "súbor alebo priečinok neexistuje";
    case ENOTDIR:
        return "cesta vedie cez súbor namiesto priečinka";
    case ETIMEDOUT:
        return "súbor práve zapisuje iný počítač a neuvoľnil ho ani po niekoľkých sekundách";
    case EIO:
        return "chyba pri zápise na disk alebo na server";
    case ESTALE:
    case ENOTCONN:
    case EHOSTDOWN:
    case EHOSTUNREACH:
        return "súborový server nie je dostupný";
    case 0:
        return "súbor nemá správny tvar";
    default:
        return std::string("systémová chyba (") + std::strerror(code) + ")";
    }
}

std::string zpravaOZapisu(const platform::FileError& error) {
    return "Výsledok sa nepodarilo zapísať do " + error.path() + ": " + pricinaChyby(error.code()) + ".";
}

std::string zpravaOTabulce(const platform::FileError& error) {
    return "Výsledky cvičenia nebude možné zapísať do " + error.path() + ": " + pricinaChyby(error.code()) +
           ".";
}

} // namespace results
