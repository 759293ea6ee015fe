// The command line, for scripts: a pick whose colour is printed, the
// current colour read or set. Platform-free: the words in, what they ask
// for out; app/ talks to the console and the running window.
#pragma once
#include "colortext.h"

enum CommandAction { commandStart, commandHelp, commandPick, commandGet, commandSet };

// The form given for this call only: a copy form's number, the running
// program's own copy form, or the template given on the command line.
const int formOfProgram = -1;

struct CommandRequest {
    CommandAction action;
    int form;                  // a CopyForm or formOfProgram
    const char *templateText;  // --template's text, or null
    const char *colorText;     // --set's text, or null
};

// The words after the program's name, in any order, options in any case,
// a value after a blank or an equals sign. False for a usage error: an
// unknown word, a missing value, a word given twice, two actions, a form
// that is none, a template longer than a stored one may be, or a form
// without --pick or --get.
bool readCommandLine(int count, const char *const *words, CommandRequest &request);

// The copy form a name stands for ("hex", "#hex", "rgb", ...), any case;
// -1 for none.
int copyFormNamed(const char *name);

// The colour as a command line prints it: through templateText where
// one was given, else in form, the program's copy form for formOfProgram.
const char *formatCommandText(uint32_t color, int form, const char *templateText, char *out,
                              size_t size);

// The forms' names as --format takes them, for the usage: apart by ", ",
// in lines that start in the usage's second column (19 blanks) and end
// within 76 characters, the lines apart by lineEnd. Returns out.
const char *copyFormList(char *out, size_t size, const char *lineEnd);
