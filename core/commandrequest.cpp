#include "commandrequest.h"

#include <cstring>

size_t writeCommandRequest(const CommandRequest &request, void *out, size_t room)
{
    const char *text = request.action == commandOpen ? request.fileName : request.colorText;
    size_t textSize = text ? strlen(text) : 0;
    CommandRequestHead head = {(uint32_t)request.action, request.form,
                               request.templateText != nullptr, {}};
    if (request.templateText && strlen(request.templateText) >= copyTemplateSize)
        return 0;
    if (request.templateText)
        strcpy(head.templateText, request.templateText);
    if (room < sizeof head || room - sizeof head < textSize)
        return 0;
    memcpy(out, &head, sizeof head);
    if (textSize)
        memcpy((char *)out + sizeof head, text, textSize);
    return sizeof head + textSize;
}

bool readCommandRequest(uintptr_t tag, const void *bytes, size_t size, CommandRequestHead &head,
                        const char *&text, size_t &textSize)
{
    if (tag != commandRequestTag || !bytes || size < sizeof head)
        return false;
    memcpy(&head, bytes, sizeof head);
    text = (const char *)bytes + sizeof head;
    textSize = size - sizeof head;
    if (!memchr(head.templateText, '\0', sizeof head.templateText) || head.ownTemplate > 1 ||
        head.form < formOfProgram || head.form >= copyFormCount)
        return false;
    switch (head.action) {
    case commandPick:
    case commandGet: return textSize == 0 && (!head.ownTemplate || head.form == copyCustom);
    case commandSet: return head.form == formOfProgram && !head.ownTemplate;
    case commandOpen:
        return head.form == formOfProgram && !head.ownTemplate && textSize > 0 &&
               !memchr(text, '\0', textSize);
    }
    return false;
}

bool readCommandAnswer(uintptr_t tag, const void *bytes, size_t size, CommandAnswer &answer)
{
    if (tag != commandAnswerTag || !bytes || size != sizeof answer)
        return false;
    memcpy(&answer, bytes, sizeof answer);
    return answer.status <= 1 && memchr(answer.text, '\0', sizeof answer.text);
}
