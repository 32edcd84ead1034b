"""The program's texts in one language, read from its translation file as the program gets them
compiled in: where a text is not translated (yet), the English original."""

import os
import xml.etree.ElementTree as ElementTree

TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                            "translations")

# The class whose texts each window shows, by the window's English title.
CONTEXTS = {
    "Quorvane Sumwright": "sumwright::MainWindow",
    "Solve Questions": "sumwright::QuestionWindow",
    "Result": "sumwright::ResultWindow",
    "About Quorvane Tessaline": "sumwright::AboutProductWindow",
    "About Programmer": "sumwright::AboutProgrammerWindow",
}

# A language's locale, for the program's environment.
LOCALES = {"ar": "ar_EG", "ja": "ja_JP"}
# The languages whose script runs from right to left, of those the program is translated into.
RIGHT_TO_LEFT = {"ar", "fa", "he"}


def accessible(caption):
    """A caption as a screen reader hears it: the access-key marks taken out, as Qt does."""
    return caption.replace("&&", "\0").replace("&", "").replace("\0", "&")


class Words:
    def __init__(self, language=None):
        self.language = language
        self.texts = {}
        if language:
            root = ElementTree.parse(os.path.join(TRANSLATIONS, f"sumwright_{language}.ts"))
            for context in root.iter("context"):
                name = context.findtext("name")
                for message in context.iter("message"):
                    translation = message.find("translation")
                    # lrelease leaves out what lupdate found gone from the sources.
                    if translation.get("type") in ("vanished", "obsolete"):
                        continue
                    if translation.text:
                        self.texts[(name, message.findtext("source"))] = translation.text

    def right_to_left(self):
        return self.language in RIGHT_TO_LEFT

    def environment(self):
        """What a user's desktop in this language sets, for the program's run only."""
        if not self.language:
            return {}
        locale = LOCALES.get(self.language, self.language)
        return {"LANGUAGE": self.language, "LANG": f"{locale}.UTF-8"}

    def text(self, context, source):
        return self.texts.get((context, source), source)

    def title(self, window):
        """A window's title, given its English one."""
        return self.text(CONTEXTS[window], window)

    def name(self, window, control):
        """What a control in the window is called on the accessibility bus, given the English
        name; a caption with an access key ("&Start Test") is found by its name without it."""
        context = CONTEXTS[window]
        sources = [control] + [s for c, s in self.texts if c == context and accessible(s) == control]
        for source in sources:
            if (context, source) in self.texts:
                return accessible(self.texts[(context, source)])
        return control
