#include "Acces.h"

#include "Requete.h"

bool codeAccepte(Requete& pass, const std::string& saisi) {
    pass.open();
    const std::string stocke = pass.texte("MOTDEPASSE");
    return saisi == stocke || pass.eof() || stocke.empty();
}
