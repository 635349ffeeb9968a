#!/usr/bin/env bash
# Checks the shipped conversion profiles: their file format, and that every choice of every list
# parameter really converts with the installed encoder.
#
#   scripts/check-profiles.sh [folder or .apf file]...      (default: data/Profiles)
#
# Environment: FFMPEG, FFPROBE (default: ffmpeg, ffprobe from PATH); JOBS, conversions run at
# once (default 1). The whole set takes a few minutes.
#
# Each profile is read with the program's own INI matching rules (case-insensitive substring
# matches, a section ending at the next "["), and the profile arguments are built the way the
# program builds them when a batch starts. For every profile the script converts a short clip once
# with every list parameter at its "Index", then once more for each other choice of each list
# parameter (the rest at their "Index"), and reads the result back with ffprobe.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
[ $# -gt 0 ] || set -- "$root/data/Profiles"
exec python3 - "$@" <<'PY'
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor
from fractions import Fraction

FFMPEG = os.environ.get("FFMPEG", "ffmpeg")
FFPROBE = os.environ.get("FFPROBE", "ffprobe")
JOBS = max(1, int(os.environ.get("JOBS", "1")))

# --- Reading a profile as the program does --------------------------------------------------

class Store:
    """The program's INI store: no parsing, only searches in the whole text."""

    def __init__(self, text):
        self.lines = re.split(r"\r\n|\r|\n", text)
        if self.lines and self.lines[-1] == "":
            self.lines.pop()

    def section_text(self, section):
        text = "".join(line + "\r\n" for line in self.lines)
        pattern = ("[" + section + "]").lower()
        pos = text.lower().find(pattern)
        if pos < 0:
            return ""
        rest = text[pos + len(pattern):]
        cut = rest.find("[")
        return rest if cut < 0 else rest[:cut]

    def read(self, section, key, default=""):
        pattern = (key + "=").lower()
        for line in re.split(r"\r\n|\r|\n", self.section_text(section)):
            pos = line.lower().find(pattern)
            if pos >= 0:
                return line[pos + len(pattern):]
        return default

    def read_int(self, section, key, default):
        text = self.read(section, key, str(default))
        m = re.fullmatch(r" *([+-]?)(?:(\$|0[xX]|[xX])([0-9a-fA-F]+)|([0-9]+))", text)
        if not m:
            return default
        value = int(m.group(3), 16) if m.group(2) else int(m.group(4))
        value = -value if m.group(1) == "-" else value
        return value if -2**31 <= value < 2**31 else default

    def read_bool(self, section, key, default):
        text = self.read(section, key, "1" if default else "0")
        try:
            return float(text) != 0
        except ValueError:
            return {"true": True, "false": False}.get(text.lower(), default)


def split_list(text):
    """Items each ended by a comma; whatever follows the last comma is dropped."""
    return text.split(",")[:-1]


def strict_parse(text):
    """An ordinary line-by-line INI reading, to compare the store's answers with."""
    sections, order, current = {}, [], None
    for line in text.split("\r\n"):
        if line.startswith("[") and line.endswith("]"):
            current = line[1:-1]
            sections[current] = {}
            order.append((current, None))
        elif "=" in line and current is not None:
            key, value = line.split("=", 1)
            sections[current][key] = value
            order.append((current, key))
    return sections, order


def build_arguments(store, shown):
    """Profile arguments as the program builds them; `shown` maps a parameter to its grid text."""
    args = ""
    for i in range(store.read_int("Main", "Para", 0)):
        name = store.read("Main", str(i))
        cmd = store.read(name, "cmd")
        if store.read_bool(name, "List", True):
            captions = split_list(store.read(name, "Caption"))
            values = split_list(store.read(name, "Value"))
            text = shown[name]
            hit = next((k for k, c in enumerate(captions) if c.lower() == text.lower()), None)
            value = text if hit is None else values[hit]
        elif store.read_bool(name, "ReadOnly", False):
            value = store.read(name, "Value")
        else:
            value = shown[name]
        if cmd and value:
            if value == "\\":
                value = ""
            args += " " + cmd + " " + value
    return args


def windows_split(command_line):
    """Split a command line the way a Windows program's C runtime does."""
    args, current, in_arg, quoted, i = [], "", False, False, 0
    while i < len(command_line):
        ch = command_line[i]
        if ch in " \t" and not quoted:
            if in_arg:
                args.append(current)
                current, in_arg = "", False
            i += 1
            continue
        in_arg = True
        if ch == "\\":
            n = 0
            while i < len(command_line) and command_line[i] == "\\":
                n += 1
                i += 1
            if i < len(command_line) and command_line[i] == '"':
                current += "\\" * (n // 2)
                if n % 2:
                    current += '"'
                    i += 1
            else:
                current += "\\" * n
            continue
        if ch == '"':
            if quoted and command_line[i + 1:i + 2] == '"':
                current += '"'
                i += 2
                continue
            quoted = not quoted
        else:
            current += ch
        i += 1
    if in_arg:
        args.append(current)
    return args

def close(found, wanted):
    """Whether a ratio ("16:9", "30000/1001", "29.97") is within 1 % of the wanted one."""
    try:
        found = Fraction(found.replace(":", "/"))
    except (AttributeError, ValueError, ZeroDivisionError):
        return False
    wanted = Fraction(wanted.replace(":", "/"))
    return found > 0 and abs(found / wanted - 1) <= Fraction(1, 100)

# --- Format checks ----------------------------------------------------------------------------

MAIN_KEYS = ("Type", "Para")
PARAM_KEYS = ("Sort", "ReadOnly", "cmd", "List", "Caption", "Value", "Index")


def caption_means(caption, value):
    """Whether a choice's value does what its caption promises; unknown kinds of caption pass."""
    if caption in ("Original", "Original Size", "Custom Size", "Auto", "No", "100%"):
        return value == ""
    if caption == "Yes":
        return value != ""
    if caption in ("Mono", "Stereo"):
        return value == {"Mono": "1", "Stereo": "2"}[caption]
    m = re.fullmatch(r"(\d+) kbps", caption)
    if m:
        return value == m.group(1) + "k"
    m = re.fullmatch(r"(\d+)%", caption)
    if m:
        return re.fullmatch(r"volume=[0-9.]+", value) is not None and \
            abs(float(value[7:]) * 100 - int(m.group(1))) < 1e-9
    if re.fullmatch(r"\d+x\d+|\d+:\d+", caption):
        return value == caption
    m = re.fullmatch(r"(?:[A-Z]+ )?(\d+(?:\.\d+)?)", caption)
    if m:  # sample rates and frame rates, "29.97" standing for 30000/1001
        try:
            return close(value, m.group(1)) and (value == m.group(1) or "." in m.group(1))
        except (ValueError, ZeroDivisionError):
            return False
    return True


def check_format(filename, raw):
    problems = []
    display = filename[:-len(".apf")]
    if any(c in display for c in "=[]."):
        problems.append('display name holds one of "=[]."')
    try:
        text = raw.decode("ascii")
    except UnicodeDecodeError:
        return problems + ["not plain ASCII text"], None
    if not text.endswith("\r\n") or re.search(r"\r(?!\n)|(?<!\r)\n", text):
        problems.append("line ends are not all CR LF")
    body = text.replace("\r\n", "\n").rstrip("\n").split("\n")
    for n, line in enumerate(body, 1):
        is_header = line.startswith("[") and line.endswith("]")
        inner = line[1:-1] if is_header else line
        if "[" in inner or "]" in inner:
            problems.append(f"line {n}: stray bracket: {line!r}")
        if line != line.strip():
            problems.append(f"line {n}: leading or trailing blank: {line!r}")
        if not is_header and line and "=" not in line:
            problems.append(f"line {n}: neither section nor key: {line!r}")

    sections, order = strict_parse(text)
    store = Store(text)
    # Every key must read back through the program's substring matching as it stands in the file.
    for section, keys in sections.items():
        for key, value in keys.items():
            if store.read(section, key, "<missing>") != value:
                problems.append(f"[{section}] {key} reads back as "
                                f"{store.read(section, key, '<missing>')!r}, not {value!r}")

    main = sections.get("Main")
    if main is None:
        return problems + ["no [Main] section"], None
    if not re.fullmatch(r"[a-z0-9]+", main.get("Type", "")):
        problems.append('"Type" missing or not a plain lower-case extension')
    para = main.get("Para", "")
    if not re.fullmatch(r"[1-9][0-9]*", para):
        return problems + ['"Para" missing or not a positive number'], None
    para = int(para)
    numbered = [k for s, k in order if s == "Main" and k is not None and k not in MAIN_KEYS]
    if numbered != [str(i) for i in range(para)]:
        problems.append(f'keys of [Main] are {numbered}, expected "0" .. "{para - 1}" in order')
    names = [main.get(str(i), "") for i in range(para)]
    if len({n.lower() for n in names}) != len(names):
        problems.append("parameter names are not unique")

    plan = []
    for name in names:
        where = f"[{name}]"
        if not name or any(c in name for c in "=[]"):
            problems.append(f"bad parameter name {name!r}")
            continue
        keys = sections.get(name)
        if keys is None:
            problems.append(f"{where}: section missing")
            continue
        for key in keys:
            if key not in PARAM_KEYS:
                problems.append(f"{where}: unknown key {key!r}")
        if keys.get("Sort") not in ("1", "2", "3"):
            problems.append(f'{where}: "Sort" is not 1, 2 or 3')
        for key in ("ReadOnly", "List"):
            if keys.get(key) not in ("0", "1"):
                problems.append(f'{where}: "{key}" is not "0" or "1"')
        cmd = keys.get("cmd", "")
        if not re.fullmatch(r"-[^\s\"]+", cmd):
            problems.append(f'{where}: "cmd" is not a single switch: {cmd!r}')
        if keys.get("List") == "1":
            caption, value = keys.get("Caption", ""), keys.get("Value", "")
            if not caption.endswith(",") or not value.endswith(","):
                problems.append(f'{where}: "Caption" and "Value" must end with ","')
            captions, values = split_list(caption), split_list(value)
            if len(values) < len(captions):
                problems.append(f'{where}: {len(captions)} captions but {len(values)} values')
            if any(not c for c in captions):
                problems.append(f"{where}: empty caption")
            if len({c.lower() for c in captions}) != len(captions):
                problems.append(f"{where}: captions repeat (letter case ignored)")
            if any(re.search(r"[\s\"]", v) for v in values):
                problems.append(f"{where}: a value is not one argument")
            index = keys.get("Index", "")
            if not re.fullmatch(r"[0-9]+", index) or int(index) >= len(captions):
                problems.append(f'{where}: "Index" {index!r} outside 0..{len(captions) - 1}')
            else:
                plan.append((name, captions, int(index)))
            for c, v in zip(captions, values):
                if not caption_means(c, v):
                    problems.append(f"{where}: caption {c!r} does not say what {v!r} does")
            if name == "Video Size":
                lookup = dict(zip(captions, values))
                for must in ("Original Size", "Custom Size"):
                    if lookup.get(must, None) != "":
                        problems.append(f'{where}: "{must}" missing or not mapped to nothing')
        else:
            if "Index" in keys:
                problems.append(f'{where}: "Index" on a plain parameter')
            if not keys.get("Caption"):
                problems.append(f'{where}: empty "Caption"')
            if keys.get("ReadOnly") == "1":
                if re.search(r"[\s\"]", keys.get("Value", "")):
                    problems.append(f'{where}: "Value" is not one argument')
            elif re.search(r"[\s\"]", keys.get("Caption", "")):
                problems.append(f'{where}: "Caption" is not one argument')
    return problems, (store, main["Type"], plan, names, sections)

# --- Conversion checks ------------------------------------------------------------------------

# What ffprobe calls the output of each encoder.
CODEC_NAMES = {
    "libx264": "h264", "libx265": "hevc", "libvpx-vp9": "vp9", "libvpx": "vp8", "mpeg4": "mpeg4",
    "libxvid": "mpeg4", "wmv2": "wmv2", "mpeg2video": "mpeg2video", "flv": "flv1",
    "h263": "h263", "aac": "aac", "libmp3lame": "mp3", "libopus": "opus", "libvorbis": "vorbis",
    "ac3": "ac3", "mp2": "mp2", "wmav2": "wmav2", "pcm_s16le": "pcm_s16le",
}
# Output type -> (a name in ffprobe's format_name, the major brand of ISO files or None).
FORMATS = {
    "mp4": ("mp4", "isom"), "mov": ("mov", "qt  "), "m4a": ("m4a", "M4A "),
    "3gp": ("3gp", "3gp"), "mkv": ("matroska", None), "webm": ("webm", None),
    "avi": ("avi", None), "wmv": ("asf", None), "mpg": ("mpeg", None), "vob": ("mpeg", None),
    "flv": ("flv", None), "mp3": ("mp3", None), "wav": ("wav", None),
}
# Output types that must never carry a picture, whatever the profile's switches say.
AUDIO_TYPES = {"mp3", "m4a", "wav"}


def last_option(argv, switch):
    value = None
    for i, arg in enumerate(argv[:-1]):
        if arg == switch:
            value = argv[i + 1]
    return value


def verify_output(path, typ, argv):
    """Problems found when ffprobe reads the output back; empty when it is what was asked for."""
    probe = subprocess.run(
        [FFPROBE, "-v", "error", "-show_entries",
         "format=format_name,duration:format_tags=major_brand:stream=codec_type,codec_name,"
         "width,height,display_aspect_ratio,r_frame_rate,sample_rate,channels",
         "-of", "json", path],
        stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=60)
    if probe.returncode != 0:
        return ["ffprobe cannot read the output: " + probe.stderr.strip()[-300:]]
    info = json.loads(probe.stdout)
    fmt, problems = info.get("format", {}), []
    want_format, want_brand = FORMATS.get(typ, (None, None))
    if want_format is None:
        problems.append(f"no expectation for type {typ!r} (add it to FORMATS)")
    elif want_format not in fmt.get("format_name", "").split(","):
        problems.append(f"format {fmt.get('format_name')!r}, expected {want_format!r}")
    brand = fmt.get("tags", {}).get("major_brand")
    if want_brand and not (brand or "").startswith(want_brand):
        problems.append(f"major brand {brand!r}, expected {want_brand!r}")
    duration = float(fmt.get("duration", 0) or 0)
    if not 0.5 <= duration <= 1.6:
        problems.append(f"duration {duration}, expected about 1 second")

    streams = info.get("streams", [])
    video = [s for s in streams if s.get("codec_type") == "video"]
    audio = [s for s in streams if s.get("codec_type") == "audio"]
    # The DVD muxer adds its navigation packets as a stream of their own.
    others = [s for s in streams if s.get("codec_type") not in ("video", "audio")
              and s.get("codec_name") != "dvd_nav_packet"]
    want_video = "-vn" not in argv and typ not in AUDIO_TYPES
    want_audio = "-an" not in argv
    if len(video) != int(want_video):
        problems.append(f"{len(video)} video streams, expected {int(want_video)}")
    if len(audio) != int(want_audio):
        problems.append(f"{len(audio)} audio streams, expected {int(want_audio)}")
    if others:
        problems.append(f"unexpected streams: {[s.get('codec_type') for s in others]}")

    if video and want_video:
        v = video[0]
        encoder = last_option(argv, "-c:v")
        if encoder and CODEC_NAMES.get(encoder) != v.get("codec_name"):
            problems.append(f"video codec {v.get('codec_name')!r} for encoder {encoder!r}")
        size = last_option(argv, "-s")
        if size and f"{v.get('width')}x{v.get('height')}" != size:
            problems.append(f"frame size {v.get('width')}x{v.get('height')}, expected {size}")
        # Matroska stores the display size in whole pixels, so 16:9 of 320x240 reads as 427:240.
        aspect = last_option(argv, "-aspect")
        if aspect and not close(v.get("display_aspect_ratio"), aspect):
            problems.append(f"aspect {v.get('display_aspect_ratio')}, expected {aspect}")
        rate = last_option(argv, "-r")
        if rate and not close(v.get("r_frame_rate"), rate):
            problems.append(f"frame rate {v.get('r_frame_rate')}, expected {rate}")
    if audio and want_audio:
        a = audio[0]
        encoder = last_option(argv, "-c:a")
        if encoder and CODEC_NAMES.get(encoder) != a.get("codec_name"):
            problems.append(f"audio codec {a.get('codec_name')!r} for encoder {encoder!r}")
        rate = last_option(argv, "-ar")
        if rate and a.get("sample_rate") != rate:
            problems.append(f"sample rate {a.get('sample_rate')}, expected {rate}")
        channels = last_option(argv, "-ac")
        if channels and str(a.get("channels")) != channels:
            problems.append(f"{a.get('channels')} channels, expected {channels}")
    return problems


def main():
    files = []
    for arg in sys.argv[1:]:
        if os.path.isdir(arg):
            names = sorted(os.listdir(arg), key=str.lower)
            files += [os.path.join(arg, f) for f in names
                      if f.lower().endswith(".apf") and os.path.isfile(os.path.join(arg, f))]
        else:
            files.append(arg)
    if not files:
        print("no profiles found in " + " ".join(sys.argv[1:]))
        return 1
    work = tempfile.mkdtemp(prefix="check-profiles-")
    passed = failed = 0
    try:
        clip = os.path.join(work, "clip.avi")
        # A 320x240, 25 fps clip with 48 kHz stereo sound, as a camera or a DVD rip gives it.
        subprocess.run(
            [FFMPEG, "-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=320x240:rate=25",
             "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000", "-t", "2",
             "-c:v", "mpeg4", "-q:v", "4", "-pix_fmt", "yuv420p", "-c:a", "pcm_s16le",
             "-ac", "2", clip],
            stdin=subprocess.DEVNULL, check=True, timeout=120)

        for path in files:
            filename = os.path.basename(path)
            with open(path, "rb") as f:
                problems, parsed = check_format(filename, f.read())
            label = filename[:-4]
            if problems:
                failed += 1
                print(f"FAIL {label}: format")
                for p in problems:
                    print(f"     {p}")
                continue
            passed += 1
            store, typ, plan, names, sections = parsed
            base = {n: sections[n].get("Caption", "") for n in names}
            for name, captions, index in plan:
                base[name] = captions[index]
            cases = [("defaults", dict(base))]
            for name, captions, index in plan:
                for k, caption in enumerate(captions):
                    if k != index:
                        cases.append((f"{name} = {caption}", dict(base, **{name: caption})))

            unique = {}
            for what, shown in cases:
                unique.setdefault(build_arguments(store, shown), what)
            jobs = [(n, args, what) for n, (args, what) in enumerate(unique.items())]

            def convert(job):
                n, args, _ = job
                output = os.path.join(work, f"out{n}.{typ}")
                argv = windows_split(f' -y -i "{clip}"{args} -t 1 "{output}"')
                try:
                    run = subprocess.run([FFMPEG, "-hide_banner", "-nostdin"] + argv,
                                         stdin=subprocess.DEVNULL, capture_output=True,
                                         text=True, timeout=300)
                    if run.returncode != 0:
                        tail = run.stderr.strip().splitlines()[-2:]
                        return [f"ffmpeg exit code {run.returncode}"] + tail
                    return verify_output(output, typ, argv)
                except subprocess.TimeoutExpired:
                    return ["timed out"]
                finally:
                    if os.path.exists(output):
                        os.remove(output)

            with ThreadPoolExecutor(max_workers=JOBS) as pool:
                for (_, args, what), problems in zip(jobs, pool.map(convert, jobs)):
                    if problems:
                        failed += 1
                        print(f"FAIL {label}: {what}\n     arguments:{args}")
                        for p in problems:
                            print(f"     {p}")
                    else:
                        passed += 1
            print(f"done {label}: {len(jobs)} conversions", flush=True)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


sys.exit(main())
PY
