#ifndef OPERATORSIM_CARDSTORE_H
#define OPERATORSIM_CARDSTORE_H

#include <string>
#include <vector>

// One virtual card of the operator. The balance is kept in hundredths.
struct Card
{
    std::string number;
    std::string pin;
    long long cents = 0;
    std::string owner;
    bool blocked = false;
};

// The operator's cards. Not locked: the simulator serialises access.
class CardStore
{
public:
    // A card as "number pin balance owner [blocked]" (blanks, or ":" on the
    // command line). The balance is a decimal such as 12.50.
    static bool parse(const std::string &line, Card *card);
    static std::string format(const Card &card);
    static std::string formatBalance(long long cents);

    // Reads a file of card lines; blank lines and lines starting with "#"
    // are skipped.
    bool load(const std::string &path, std::string *error);

    // Adds the card, or replaces the one with the same number.
    void put(const Card &card);
    Card *byNumber(const std::string &number);
    Card *byPin(const std::string &pin);
    Card *byOwner(const std::string &owner);
    // A new card for the owner, numbered after every card seen so far, with
    // a PIN derived from the number so that runs are repeatable.
    Card &issue(const std::string &owner);

    std::string listing() const;

private:
    std::vector<Card> mCards;
    long long mLastIssued = 7770000000;
};

#endif
