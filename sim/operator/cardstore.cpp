#include "cardstore.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

bool digitsOnly(const std::string &text)
{
    return !text.empty()
            && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool parseBalance(const std::string &text, long long *cents)
{
    const size_t dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    std::string fraction = dot == std::string::npos ? std::string() : text.substr(dot + 1);
    if (!digitsOnly(whole) || fraction.size() > 2 || (!fraction.empty() && !digitsOnly(fraction)))
        return false;
    fraction.resize(2, '0');
    *cents = std::stoll(whole) * 100 + std::stoll(fraction);
    return true;
}

// Numbers compare without a leading "+", as users write them either way.
std::string bare(const std::string &number)
{
    return !number.empty() && number[0] == '+' ? number.substr(1) : number;
}

} // namespace

bool CardStore::parse(const std::string &line, Card *card)
{
    std::string text = line;
    std::replace(text.begin(), text.end(), ':', ' ');
    std::istringstream in(text);
    std::string balance;
    std::string flag;
    if (!(in >> card->number >> card->pin >> balance >> card->owner))
        return false;
    in >> flag;
    card->blocked = flag == "blocked";
    return (flag.empty() || card->blocked) && parseBalance(balance, &card->cents);
}

std::string CardStore::formatBalance(long long cents)
{
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%02lld", cents / 100, cents % 100);
    return text;
}

std::string CardStore::format(const Card &card)
{
    return card.number + ' ' + card.pin + ' ' + formatBalance(card.cents) + ' ' + card.owner
            + (card.blocked ? " blocked" : "");
}

bool CardStore::load(const std::string &path, std::string *error)
{
    std::ifstream in(path);
    if (!in) {
        *error = "cannot read " + path;
        return false;
    }
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#')
            continue;
        Card card;
        if (!parse(line, &card)) {
            *error = path + ':' + std::to_string(lineNumber) + ": not a card line";
            return false;
        }
        put(card);
    }
    return true;
}

void CardStore::put(const Card &card)
{
    if (digitsOnly(card.number) && card.number.size() < 19)
        mLastIssued = std::max(mLastIssued, std::stoll(card.number));
    if (Card *existing = byNumber(card.number))
        *existing = card;
    else
        mCards.push_back(card);
}

Card *CardStore::byNumber(const std::string &number)
{
    for (Card &card : mCards) {
        if (card.number == number)
            return &card;
    }
    return nullptr;
}

Card *CardStore::byPin(const std::string &pin)
{
    for (Card &card : mCards) {
        if (card.pin == pin)
            return &card;
    }
    return nullptr;
}

Card *CardStore::byOwner(const std::string &owner)
{
    for (Card &card : mCards) {
        if (bare(card.owner) == bare(owner))
            return &card;
    }
    return nullptr;
}

Card &CardStore::issue(const std::string &owner)
{
    Card card;
    card.number = std::to_string(++mLastIssued);
    char pin[8];
    std::snprintf(pin, sizeof pin, "%04lld", (mLastIssued * 7919) % 10000);
    card.pin = pin;
    card.owner = owner;
    mCards.push_back(card);
    return mCards.back();
}

std::string CardStore::listing() const
{
    std::string text;
    for (const Card &card : mCards)
        text += format(card) + '\n';
    return text;
}
