"""Builds Korvatel_manual.pdf from the manual's text source.

    build_manual.py SOURCE.txt OUTPUT.pdf

The source is plain UTF-8 text with a few line marks:

    # Title                   the document title (first page)
    subtitle: text            a line under the title
    ## Chapter                a numbered chapter heading
    ### Section               a section heading
    - item                    a bullet item; indented lines continue it
    1. item                   a numbered item
    > text                    a warning box; further "> " lines continue it
    ```                       a block of text kept as it is, up to the next ```
    | a | b |                 table rows; the first row is the header and a
                              row of dashes under it is skipped
    ![caption](file.png){50}  a picture, 50 mm wide, with its caption; several
                              on one line stand side by side
    @VERSION@, @HOME_PAGE@    filled in from CMakeLists.txt and res/project_info.h

Other lines are paragraphs, ended by a blank line. `text` in backquotes is
set in the fixed-width font.
"""

import os
import re
import sys
from xml.sax.saxutils import escape

from reportlab.lib import colors
from reportlab.lib.pagesizes import A4
from reportlab.lib.styles import ParagraphStyle
from reportlab.lib.units import mm
from reportlab.pdfbase import pdfmetrics
from reportlab.pdfbase.ttfonts import TTFont
from reportlab.platypus import (Image, KeepTogether, ListFlowable, ListItem, Paragraph, Preformatted,
                                SimpleDocTemplate, Spacer, Table, TableStyle)

FONT_DIR = "/usr/share/fonts/opentype/ipafont-gothic"
BODY_FONT = "IPAPGothic"
FIXED_FONT = "IPAGothic"
ACCENT = colors.HexColor("#1f4e79")
WARNING = colors.HexColor("#b00020")

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def register_fonts():
    pdfmetrics.registerFont(TTFont(BODY_FONT, os.path.join(FONT_DIR, "ipagp.ttf")))
    pdfmetrics.registerFont(TTFont(FIXED_FONT, os.path.join(FONT_DIR, "ipag.ttf")))
    # There is no bold face: bold text uses the same font.
    pdfmetrics.registerFontFamily(BODY_FONT, normal=BODY_FONT, bold=BODY_FONT, italic=BODY_FONT,
                                  boldItalic=BODY_FONT)


def make_styles():
    base = dict(fontName=BODY_FONT, wordWrap="CJK", leading=15, fontSize=10)
    return {
        "title": ParagraphStyle("title", **dict(base, fontSize=24, leading=30, textColor=ACCENT)),
        "subtitle": ParagraphStyle("subtitle", **dict(base, fontSize=12, leading=18, spaceAfter=14)),
        "chapter": ParagraphStyle("chapter", **dict(base, fontSize=15, leading=20, textColor=ACCENT,
                                                    spaceBefore=14, spaceAfter=6, keepWithNext=1)),
        "section": ParagraphStyle("section", **dict(base, fontSize=12, leading=16, textColor=ACCENT,
                                                    spaceBefore=8, spaceAfter=3, keepWithNext=1)),
        "body": ParagraphStyle("body", **dict(base, spaceAfter=5)),
        "item": ParagraphStyle("item", **base),
        "cell": ParagraphStyle("cell", **dict(base, fontSize=9, leading=12)),
        "caption": ParagraphStyle("caption", **dict(base, fontSize=8.5, leading=11, alignment=1,
                                                    textColor=colors.HexColor("#444444"))),
        "warning": ParagraphStyle("warning", **dict(base, textColor=WARNING)),
        "fixed": ParagraphStyle("fixed", fontName=FIXED_FONT, fontSize=8.5, leading=11.5),
    }


def project_texts():
    texts = {}
    with open(os.path.join(ROOT, "res", "project_info.h"), encoding="utf-8") as header:
        for line in header:
            match = re.match(r'#define (KORVATEL_\w+) +"(.*)"$', line.strip())
            if match:
                texts[match.group(1)] = match.group(2)
    with open(os.path.join(ROOT, "CMakeLists.txt"), encoding="utf-8") as cmake:
        version = re.search(r"project\(korvatel VERSION ([0-9.]+)", cmake.read()).group(1)
    return {"@VERSION@": version, "@HOME_PAGE@": texts["KORVATEL_HOME_PAGE"]}


def inline(text):
    """Escapes the text for the paragraph markup and sets `code` in the fixed font."""
    parts = text.split("`")
    out = []
    for index, part in enumerate(parts):
        part = escape(part)
        if index % 2 == 1:
            part = '<font face="%s" color="#202020">%s</font>' % (FIXED_FONT, part)
        out.append(part)
    return "".join(out)


def join_lines(lines):
    """Joins source lines: Japanese text runs on without a space, Latin text with one."""
    text = ""
    for line in lines:
        line = line.strip()
        if text and (ord(text[-1]) < 0x3000 or ord(line[0]) < 0x3000):
            text += " "
        text += line
    return text


IMAGE_RE = re.compile(r"!\[([^\]]*)\]\(([^)]+)\)\{(\d+)\}")


def image_row(line, source_dir, styles):
    cells = []
    widths = []
    for caption, path, width in IMAGE_RE.findall(line):
        full = os.path.join(source_dir, path)
        width_pt = int(width) * mm
        picture = Image(full)
        picture.drawHeight = width_pt * picture.imageHeight / picture.imageWidth
        picture.drawWidth = width_pt
        cells.append([picture, Paragraph(inline(caption), styles["caption"])])
        widths.append(width_pt + 8 * mm)
    table = Table([cells], colWidths=widths)
    table.setStyle(TableStyle([("VALIGN", (0, 0), (-1, -1), "BOTTOM"),
                               ("ALIGN", (0, 0), (-1, -1), "CENTER")]))
    return KeepTogether([Spacer(1, 2 * mm), table, Spacer(1, 3 * mm)])


def table_block(rows, styles, width):
    data = []
    for row in rows:
        cells = [cell.strip() for cell in row.strip().strip("|").split("|")]
        if all(re.fullmatch(r":?-+:?", cell) for cell in cells):
            continue
        data.append([Paragraph(inline(cell), styles["cell"]) for cell in cells])
    columns = len(data[0])
    first = width * (0.3 if columns == 2 else 0.22)
    rest = (width - first) / (columns - 1)
    table = Table(data, colWidths=[first] + [rest] * (columns - 1), repeatRows=1)
    table.setStyle(TableStyle([
        ("GRID", (0, 0), (-1, -1), 0.4, colors.HexColor("#9aa5b1")),
        ("BACKGROUND", (0, 0), (-1, 0), colors.HexColor("#dde6f0")),
        ("VALIGN", (0, 0), (-1, -1), "TOP"),
        ("TOPPADDING", (0, 0), (-1, -1), 2),
        ("BOTTOMPADDING", (0, 0), (-1, -1), 3),
    ]))
    return [table, Spacer(1, 4 * mm)]


def warning_box(text, styles, width):
    box = Table([[Paragraph(inline(text), styles["warning"])]], colWidths=[width])
    box.setStyle(TableStyle([
        ("BOX", (0, 0), (-1, -1), 1.2, WARNING),
        ("BACKGROUND", (0, 0), (-1, -1), colors.HexColor("#fff3f3")),
        ("LEFTPADDING", (0, 0), (-1, -1), 6),
        ("RIGHTPADDING", (0, 0), (-1, -1), 6),
        ("TOPPADDING", (0, 0), (-1, -1), 5),
        ("BOTTOMPADDING", (0, 0), (-1, -1), 6),
    ]))
    return [Spacer(1, 1 * mm), box, Spacer(1, 4 * mm)]


def list_block(items, numbered, styles):
    flowables = [ListItem(Paragraph(inline(join_lines(item)), styles["item"]), leftIndent=14)
                 for item in items]
    options = dict(bulletType="1", bulletFormat="%s.") if numbered else dict(bulletType="bullet", start="•")
    return [ListFlowable(flowables, bulletFontName=BODY_FONT, bulletFontSize=9, leftIndent=14, **options),
            Spacer(1, 3 * mm)]


def parse(source_text, source_dir, styles, width):
    story = []
    lines = source_text.splitlines()
    chapter = 0
    index = 0
    paragraph = []

    def flush_paragraph():
        if paragraph:
            story.append(Paragraph(inline(join_lines(paragraph)), styles["body"]))
            paragraph.clear()

    while index < len(lines):
        line = lines[index]
        stripped = line.strip()
        list_match = re.match(r"(- |\d+\. )(.*)", line)
        if not stripped:
            flush_paragraph()
            index += 1
        elif line.startswith("```"):
            flush_paragraph()
            end = lines.index("```", index + 1)
            story += [Preformatted("\n".join(lines[index + 1:end]), styles["fixed"]), Spacer(1, 3 * mm)]
            index = end + 1
        elif line.startswith("### "):
            flush_paragraph()
            story.append(Paragraph(inline(line[4:]), styles["section"]))
            index += 1
        elif line.startswith("## "):
            flush_paragraph()
            chapter += 1
            story.append(Paragraph("%d. %s" % (chapter, inline(line[3:])), styles["chapter"]))
            index += 1
        elif line.startswith("# "):
            flush_paragraph()
            story.append(Paragraph(inline(line[2:]), styles["title"]))
            index += 1
        elif line.startswith("subtitle: "):
            story.append(Paragraph(inline(line[10:]), styles["subtitle"]))
            index += 1
        elif line.startswith("!["):
            flush_paragraph()
            story.append(image_row(line, source_dir, styles))
            index += 1
        elif line.startswith("|"):
            flush_paragraph()
            rows = []
            while index < len(lines) and lines[index].startswith("|"):
                rows.append(lines[index])
                index += 1
            story += table_block(rows, styles, width)
        elif line.startswith("> "):
            flush_paragraph()
            text = []
            while index < len(lines) and lines[index].startswith("> "):
                text.append(lines[index][2:])
                index += 1
            story += warning_box(join_lines(text), styles, width)
        elif list_match and not paragraph:
            numbered = list_match.group(1)[0].isdigit()
            items = []
            while index < len(lines):
                match = re.match(r"(- |\d+\. )(.*)", lines[index])
                if match and match.group(1)[0].isdigit() == numbered:
                    items.append([match.group(2)])
                elif lines[index].startswith("  ") and items and lines[index].strip():
                    items[-1].append(lines[index])
                else:
                    break
                index += 1
            story += list_block(items, numbered, styles)
        else:
            paragraph.append(line)
            index += 1
    flush_paragraph()
    return story


def draw_page_frame(canvas, document, title):
    canvas.saveState()
    canvas.setFont(BODY_FONT, 8)
    canvas.setFillColor(colors.HexColor("#666666"))
    width, height = A4
    canvas.drawString(document.leftMargin, height - 12 * mm, title)
    canvas.drawRightString(width - document.rightMargin, 10 * mm, "- %d -" % document.page)
    canvas.setStrokeColor(colors.HexColor("#b0b8c0"))
    canvas.line(document.leftMargin, height - 13.5 * mm, width - document.rightMargin, height - 13.5 * mm)
    canvas.restoreState()


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: build_manual.py SOURCE.txt OUTPUT.pdf")
    source_path, output_path = sys.argv[1], sys.argv[2]
    register_fonts()
    styles = make_styles()
    with open(source_path, encoding="utf-8") as source:
        text = source.read()
    for mark, value in project_texts().items():
        text = text.replace(mark, value)
    header = "KORVATEL %s 取扱説明書" % project_texts()["@VERSION@"]
    document = SimpleDocTemplate(output_path, pagesize=A4, leftMargin=20 * mm, rightMargin=20 * mm,
                                 topMargin=20 * mm, bottomMargin=18 * mm, title=header, author="KORVATEL project",
                                 subject="KORVATEL ユーザーマニュアル", creator="build_manual.py",
                                 invariant=1)  # no dates or random ids: the same sources give the same PDF
    story = parse(text, os.path.dirname(os.path.abspath(source_path)), styles, document.width)
    frame = lambda canvas, doc: draw_page_frame(canvas, doc, header)
    document.build(story, onFirstPage=frame, onLaterPages=frame)


if __name__ == "__main__":
    main()
