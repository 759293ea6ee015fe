// The command line, for scripts: a pick whose colour is printed, the
// current colour read or set. Platform-free: the words in, what they ask
// for out; app/ talks to the console and the running window.
#pragma once
#include "colortext.h"

enum CommandAction { commandStart, commandHelp, commandPick, commandGet, commandSet, commandOpen };

// The form given for this call only: a copy form's number, the running
// program's own copy form, or the template given on the command line.
const int formOfProgram = -1;

struct CommandRequest {
    CommandAction action;
    int form;                  // a CopyForm or formOfProgram
    const char *templateText;  // --template's text, or null
    const char *colorText;     // --set's text, or null
    const char *fileName;      // the palette file to open, or null
};

// The words after the program's name, in any order, options in any case,
// a value after a blank or an equals sign; or a single word that is no
// option, a palette file to open (a file dropped onto the program). False
// for a usage error: an unknown word, a missing value, a word given twice,
// two actions, a form that is none, a template longer than a stored one may
// be, or a form or a template without --pick or --get.
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

// --set's text read as a paste reads it; an empty or blank text, as an
// unset shell variable gives, is no colour.
bool readSetColor(const char *text, size_t limit, uint32_t &color);

// The word as a Windows command line must carry it for CommandLineToArgvW
// and the C runtime to read it back: as it is where it holds no blank or
// quote and is not empty; otherwise in double quotes, with a backslash
// before each quote inside, and doubled the backslashes that come before
// such a quote or the closing one. False where it does not fit in size.
bool quoteCommandWord(const char *word, char *out, size_t size);
