# The cloud-service companion for the controller's tests. In place of the
# maker's cloud service it relays to the robot simulator's WebSocket on
# 127.0.0.1:9000:
#   - the controller sends one line per connection to 127.0.0.1:8817,
#     "XXXXX:" (its session number in five hex digits) before the message;
#     the message goes to the robot behind the "s.mmm:" stamp the robot's
#     socket expects, and "TERMINATE" ends the companion;
#   - progress ("CONNTRY", "CONNSUC", "CONNEND:" code) and every message of
#     the robot go back as lines on one connection to the controller's
#     port 6000.
# Run as: python3 qcloud.py "<robot description>", in the "Data" folder that
# holds "<robot description>/config.py". Every line the controller sent is
# kept in qcloud.log beside this script.
#
# Setup mode, run as: python3 qcloud.py admin <robot base name>. The
# controller sends "GETKEY,<user>,<password>" to port 8817; the answer goes
# back to port 6000 as "AdminChannel:" and the first line of
# "qcloud-setup-answer.txt" in the working folder (for example "INVALID,1000"), nothing at all when that
# line is "silent", or valid credentials when there is no such file.
import asyncio
import os
import re
import sys
import time

import websockets

COMPANION = ("127.0.0.1", 8817)
CONTROLLER = ("127.0.0.1", 6000)
ROBOT = "ws://127.0.0.1:9000/"
SESSION_PREFIX = re.compile(r"^[0-9A-F]{5}:")
LOG = os.path.splitext(os.path.abspath(__file__))[0] + ".log"
SETUP_ANSWER = "qcloud-setup-answer.txt"
VALID_ANSWER = "VALID,sim-app-id-0001,sim-app-key-0001,sim-app-secret-0001"


def stamped(message):
    now = time.time()
    return "%d.%03d:%s" % (int(now), int(now * 1000) % 1000, message)


async def controller_message(reader, writer):
    """The one line of a controller's connection, logged, without its session prefix."""
    try:
        line = (await reader.readline()).decode("ascii", "replace").rstrip("\r\n")
    finally:
        writer.close()
    with open(LOG, "a", encoding="ascii", errors="replace") as log:
        log.write(line + "\n")
    return SESSION_PREFIX.sub("", line, count=1)


async def until_closed(reader, finished):
    """The controller never sends on its port 6000 connection: EOF means it closed."""
    await reader.read()
    finished.set()


class Relay:
    def __init__(self, description):
        self.description = description
        self.robot = None
        self.lines = None
        self.finished = asyncio.Event()

    async def report(self, line):
        self.lines.write(line.encode("ascii", "replace") + b"\r\n")
        await self.lines.drain()

    async def from_controller(self, reader, writer):
        message = await controller_message(reader, writer)
        if message == "TERMINATE":
            self.finished.set()
        elif self.robot is not None and message:
            try:
                await self.robot.send(stamped(message))
            except websockets.ConnectionClosed:
                pass  # from_robot reports the end

    async def from_robot(self):
        try:
            async for message in self.robot:
                await self.report(message)
        except websockets.ConnectionClosed:
            pass
        await self.report("CONNEND:2")
        self.finished.set()

    async def run(self):
        server = await asyncio.start_server(self.from_controller, *COMPANION)
        reader, self.lines = await asyncio.open_connection(*CONTROLLER)
        watch = asyncio.create_task(until_closed(reader, self.finished))
        await self.report("CONNTRY")
        if not os.path.isfile(os.path.join(self.description, "config.py")):
            await self.report("CONNEND:1000")  # no credentials for this robot
            return
        try:
            self.robot = await websockets.connect(ROBOT)
        except OSError:
            await self.report("CONNEND:1")
            return
        relay = asyncio.create_task(self.from_robot())
        await self.report("CONNSUC")
        await self.finished.wait()
        relay.cancel()
        watch.cancel()
        server.close()
        await self.robot.close()


class Setup:
    def __init__(self, base_name):
        self.base_name = base_name
        self.lines = None
        self.finished = asyncio.Event()

    @staticmethod
    def answer():
        try:
            with open(SETUP_ANSWER, encoding="ascii") as chosen:
                line = chosen.readline().strip()
        except OSError:
            return VALID_ANSWER
        return None if line == "silent" else line

    async def from_controller(self, reader, writer):
        message = await controller_message(reader, writer)
        if message == "TERMINATE":
            self.finished.set()
        elif message.startswith("GETKEY,"):
            answer = self.answer()
            if answer is not None:
                self.lines.write(("AdminChannel:" + answer).encode("ascii", "replace") + b"\r\n")
                await self.lines.drain()

    async def run(self):
        server = await asyncio.start_server(self.from_controller, *COMPANION)
        reader, self.lines = await asyncio.open_connection(*CONTROLLER)
        watch = asyncio.create_task(until_closed(reader, self.finished))
        await self.finished.wait()
        watch.cancel()
        server.close()


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "admin":
        asyncio.run(Setup(sys.argv[2]).run())
    elif len(sys.argv) == 2:
        asyncio.run(Relay(sys.argv[1]).run())
    else:
        sys.exit('usage: qcloud.py "<robot description>" | qcloud.py admin <robot base name>')
