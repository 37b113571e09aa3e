#pragma once
// One trigram's number and its nine texts.
#include <QString>

class trigramClass {
public:
    int number = 0;
    QString name;
    QString attribute;
    QString animal;
    QString body;
    QString family;
    QString direction;
    QString noun;
    QString adjective;
    QString verb;

    // The line the input window shows under the trigram's name.
    QString chat() const { return "The " + body + " of the " + animal + "."; }
};
