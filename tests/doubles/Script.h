// The queue of answers a scripted double gives, in order. Asking past its end fails the test; an answer left unused
// fails it when the queue is verified or destroyed.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <utility>

template <typename TReponseScript>
class TScript
{
public:
    explicit TScript(std::string service) : Service(std::move(service)) {}
    TScript(const TScript&) = delete;
    TScript& operator=(const TScript&) = delete;
    ~TScript() { Verifie(); }

    void Ajoute(TReponseScript reponse) { Reponses.push_back(std::move(reponse)); }

    // The next answer; nothing, with a failure naming the request, when none was prepared.
    std::optional<TReponseScript> Suivante(const std::string& demande)
    {
        if (Reponses.empty())
        {
            ADD_FAILURE() << Service << " : demande inattendue : " << demande;
            return std::nullopt;
        }
        TReponseScript reponse = std::move(Reponses.front());
        Reponses.pop_front();
        return reponse;
    }

    void Verifie()
    {
        if (!Reponses.empty())
            ADD_FAILURE() << Service << " : " << Reponses.size() << " réponse(s) préparée(s) jamais demandée(s)";
        Reponses.clear();
    }

    bool Vide() const { return Reponses.empty(); }

private:
    std::string Service;
    std::deque<TReponseScript> Reponses;
};
