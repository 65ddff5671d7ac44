#pragma once

#include <QObject>
#include <QValidator>

class QKeyEvent;
class QLineEdit;

// What a DTMF code box of the DTMF window lets in: the digits "0".."9",
// "A".."D" (typed "a".."d" become upper case), "*" and "#", at most 16 of
// them. The key filter refuses every other printable character, characters
// beyond ASCII and Ctrl+X, Ctrl+V and Ctrl+C; the validator behind it refuses
// text that arrives another way (the context menu, a drop, Shift+Insert), so
// that no box ever holds a character the radio's memory cannot store.
class DtmfCodeValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

class DtmfCodeKeyFilter : public QObject {
public:
    explicit DtmfCodeKeyFilter(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool swallows(const QKeyEvent* key);
};

// Gives a line edit the rules of a DTMF code box.
void MakeDtmfCodeBox(QLineEdit* box);
