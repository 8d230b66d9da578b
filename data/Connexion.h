// One attachment to a Firebird database and the single auto-commit transaction it keeps.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class Instruction;
class Requete;

// Called with each statement's text and its bound values just before it runs (off by default).
using Enregistreur = std::function<void(const Instruction&)>;

class Connexion {
public:
    Connexion() = default;
    ~Connexion();
    Connexion(const Connexion&) = delete;
    Connexion& operator=(const Connexion&) = delete;

    void setHostName(std::string hote) { hote_ = std::move(hote); }
    const std::string& hostName() const { return hote_; }
    void setPort(int port) { port_ = port; }
    int port() const { return port_; }
    void setDatabase(std::string base) { base_ = std::move(base); }
    const std::string& database() const { return base_; }

    // What the server is given: "base", "hote:base", or "hote/port:base" (port 0 stands for 3050).
    std::string chaineAttachement() const;

    // Attaches and starts the transaction; nothing when already connected.
    void connect();
    // Closes every query open on it (ignoring their errors), commits and detaches; nothing when not connected.
    void disconnect();
    bool connected() const { return base_poignee_ != 0; }

    void setEnregistreur(Enregistreur enregistreur) { enregistreur_ = std::move(enregistreur); }

private:
    friend class Instruction;
    friend class Requete;

    std::string hote_;
    int port_ = 0;
    std::string base_;
    std::uint32_t base_poignee_ = 0;
    std::uint32_t transaction_ = 0;
    std::vector<Instruction*> instructions_;
    std::vector<Requete*> requetes_;
    Enregistreur enregistreur_;
};

// Creates an empty database (user SYSDBA, WIN1252 text) at the attachment string given.
void creerBase(const std::string& chaine);
