"""A speech server for Orca that says nothing aloud.

Orca writes every utterance to its debug log before it hands it to a speech
server; with this one it needs no speech-dispatcher and no sound card.
"""
from orca import speechserver


class SpeechServer(speechserver.SpeechServer):
    _active = None

    @staticmethod
    def getFactoryName():
        return "silent"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._active is None:
            SpeechServer._active = SpeechServer()
        return SpeechServer._active

    @staticmethod
    def shutdownActiveServers():
        SpeechServer._active = None

    def getInfo(self):
        return ["silent", "silent"]

    def getVoiceFamilies(self):
        return []
