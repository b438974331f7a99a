// Page-side helpers of automation, run in the page by the web engine's page
// access: the file is one object whose functions the access calls on an
// element, as ("(" + file + ").describe(this, 3, false, true)").
//
// describe(root, limit, pieces, rootShown): how the texts of the root's
// subtree are written, one line per element (joined by U+0001) in the order of
// a walk through the element children. Four flags: "1" for an element on the
// layout whose text the page writes as usual (an ordinary HTML element, not a
// form control, frame, media or table part, inside such elements or the body),
// "1" when it holds a single element and no other text but white space, "1"
// when its own text is shown (neither hidden nor masked), "1" when the page
// writes its text in the texts around it as it writes it alone (such an
// element but a preformatted one, an image or field, or the body or root, in
// a block, inline or list item box of the flow, an image or field in an inline
// block too: not positioned, floated or hidden, its white space collapsed;
// automation's standsInFlow() tells the same). Then what
// opens its content: "E" an element, "T" and the start of a text up to the
// limit, where it stands as the page writes it (printable ASCII, one space
// between words), "U" and such a text whole with an element after it; a
// separator (U+0002) and what closes it: "E" an element (white space after it
// aside), "F" a block (not a paragraph or heading) with nothing after it, "T"
// and the end of such a text; when "pieces" is set, a separator and its child
// nodes (joined by U+0003): "E" an element, "B" a line break, "T" and a text
// without white space in lower case, "?" anything else (white space and
// comments left out).
// "rootShown": whether the root itself is on the layout.
({
  describe: function (root, limit, pieces, rootShown) {
    var html = 'http://www.w3.org/1999/xhtml';
    var plain = {};
    ['div', 'span', 'p', 'li', 'ul', 'ol', 'dl', 'dt', 'dd', 'td', 'th', 'label', 'a', 'b', 'i', 'u', 's', 'em',
     'strong', 'small', 'big', 'font', 'code', 'tt', 'kbd', 'samp', 'var', 'cite', 'abbr', 'mark', 'sub', 'sup',
     'ins', 'del', 'h1', 'h2', 'h3', 'h4', 'h5', 'h6', 'section', 'article', 'aside', 'header', 'footer', 'nav',
     'main', 'address', 'blockquote', 'center', 'figure', 'figcaption', 'form', 'pre', 'nobr']
        .forEach(function (name) { plain[name] = 1; });
    function shown(c) { return c > 32 && c < 127; }
    function space(d) { return /^[ \t\n\r\f]*$/.test(d); }
    function opening(d) {
      var n = d.length, i = 1;
      if (!n || !shown(d.charCodeAt(0))) return '';
      while (i < n && i < limit) {
        if (shown(d.charCodeAt(i))) ++i;
        else if (d.charCodeAt(i) == 32 && i + 1 < n && shown(d.charCodeAt(i + 1))) i += 2;
        else break;
      }
      return d.substring(0, Math.min(i, limit));
    }
    function closing(d) {
      var n = d.length, start = n - 1;
      if (!n || !shown(d.charCodeAt(start))) return '';
      while (start > 0 && n - start < limit) {
        if (shown(d.charCodeAt(start - 1))) --start;
        else if (d.charCodeAt(start - 1) == 32 && start > 1 && shown(d.charCodeAt(start - 2))) start -= 2;
        else break;
      }
      return d.substring(Math.max(start, n - limit));
    }
    function silent(node) { return node.nodeType == 8 || node.nodeType == 7; }
    function isPlain(e) { return e.namespaceURI == html && plain[e.localName] === 1; }
    function describe(e, laid, style) {
      var ok = laid && isPlain(e);
      var single = ok && e.childElementCount == 1;
      for (var node = e.firstChild; single && node; node = node.nextSibling) {
        if (node.nodeType != 1 && !silent(node) && !(node.nodeType == 3 && space(node.data))) single = false;
      }
      var first = e.firstChild;
      while (first && silent(first)) first = first.nextSibling;
      var open = '';
      if (first && first.nodeType == 1) {
        open = 'E';
      } else if (first && first.nodeType == 3) {
        open = opening(first.data);
        var after = first.nextSibling;
        while (after && silent(after)) after = after.nextSibling;
        open = (open.length == first.data.length && after && after.nodeType == 1 ? 'U' : 'T') + open;
      }
      var last = e.lastChild;
      while (last && silent(last)) last = last.previousSibling;
      var close = '';
      if (last && last.nodeType == 3 && !space(last.data)) {
        close = 'T' + closing(last.data);
      } else {
        var bare = last && last.nodeType == 1;
        while (last && (silent(last) || (last.nodeType == 3 && space(last.data)))) last = last.previousSibling;
        if (last && last.nodeType == 1) {
          close = bare && !/^(p|h[1-6])$/.test(last.localName) && getComputedStyle(last).display == 'block' ? 'F' : 'E';
        }
      }
      var own = false;
      if (ok && (open.length > 1 || close.length > 1 || pieces)) {
        style = style || getComputedStyle(e);
        own = style.visibility == 'visible' && style.getPropertyValue('-webkit-text-security') == 'none';
      }
      var replaced = e.localName == 'input' || e.localName == 'img';
      var still = laid && e.namespaceURI == html
          && ((ok && e.localName != 'pre') || replaced || e.localName == 'body' || e.localName == 'html');
      if (still) {
        style = style || getComputedStyle(e);
        still = (/^(block|inline|list-item)$/.test(style.display) || (replaced && style.display == 'inline-block'))
            && style.position == 'static' && style.cssFloat == 'none' && style.visibility == 'visible'
            && /^(normal|nowrap)$/.test(style.whiteSpace);
      }
      var out = (ok ? '1' : '0') + (single ? '1' : '0') + (own ? '1' : '0') + (still ? '1' : '0') + open + '\u0002'
          + close;
      if (ok && pieces) {
        var parts = [];
        for (var node = e.firstChild; node; node = node.nextSibling) {
          if (node.nodeType == 1) {
            parts.push(node.localName == 'br' && node.namespaceURI == html ? 'B' : 'E');
          } else if (node.nodeType == 3) {
            if (/[^\x20-\x7e\t\n\r\f]/.test(node.data)) parts.push('?');
            else if (!space(node.data)) parts.push('T' + node.data.replace(/[ \t\n\r\f]+/g, '').toLowerCase());
          } else if (!silent(node)) {
            parts.push('?');
          }
        }
        out += '\u0002' + parts.join('\u0003');
      }
      return out;
    }
    // Whether the children of each element on the path may be on the layout:
    // those of ordinary elements and of the body, when not hidden by "display".
    var out = [];
    var path = [];
    var laid = rootShown;
    var style = null;
    for (var e = root; e;) {
      out.push(describe(e, laid, style));
      if (e.firstElementChild) {
        path.push(laid && (isPlain(e) || (e.namespaceURI == html && (e.localName == 'body' || e.localName == 'html'))));
        e = e.firstElementChild;
      } else {
        while (e !== root && !e.nextElementSibling) {
          e = e.parentNode;
          path.pop();
        }
        e = e === root ? null : e.nextElementSibling;
      }
      style = e && path[path.length - 1] ? getComputedStyle(e) : null;
      laid = !!style && style.display != 'none' && style.display != 'contents';
    }
    return out.join('\u0001');
  },

  // labelText(control): the texts of the control's LABEL elements, else the
  // text that runs on from it up to the next control or line break.
  labelText: function (control) {
    var text = '';
    for (var i = 0; control.labels && i < control.labels.length; ++i)
      text += control.labels[i].textContent;
    for (var n = control.nextSibling; n && !text.trim(); n = n.nextSibling) {
      if (n.nodeType == 1 && /^(INPUT|SELECT|TEXTAREA|BUTTON|BR)$/.test(n.nodeName))
        break;
      text += n.textContent;
    }
    return text;
  }
})
