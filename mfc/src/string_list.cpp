// CStringList: a doubly linked list of CString nodes; POSITION is a node pointer.
#include <afx.h>

struct CStringList::CNode : __POSITION {
    CNode* pNext;
    CNode* pPrev;
    CString data;
};

namespace {
CStringList::CNode* Node(POSITION p) { return static_cast<CStringList::CNode*>(p); }
}  // namespace

CStringList::CStringList(INT_PTR) {}
CStringList::~CStringList() { RemoveAll(); }

CString& CStringList::GetHead() { return m_pNodeHead->data; }
const CString& CStringList::GetHead() const { return m_pNodeHead->data; }
CString& CStringList::GetTail() { return m_pNodeTail->data; }
const CString& CStringList::GetTail() const { return m_pNodeTail->data; }

CString CStringList::RemoveHead() {
    CString value = m_pNodeHead->data;
    RemoveAt(m_pNodeHead);
    return value;
}
CString CStringList::RemoveTail() {
    CString value = m_pNodeTail->data;
    RemoveAt(m_pNodeTail);
    return value;
}

POSITION CStringList::AddHead(const CString& value) {
    CNode* node = new CNode{{}, m_pNodeHead, nullptr, value};
    (m_pNodeHead ? m_pNodeHead->pPrev : m_pNodeTail) = node;
    m_pNodeHead = node;
    ++m_nCount;
    return node;
}
POSITION CStringList::AddTail(const CString& value) {
    CNode* node = new CNode{{}, nullptr, m_pNodeTail, value};
    (m_pNodeTail ? m_pNodeTail->pNext : m_pNodeHead) = node;
    m_pNodeTail = node;
    ++m_nCount;
    return node;
}
void CStringList::RemoveAll() {
    for (CNode* node = m_pNodeHead; node;) {
        CNode* next = node->pNext;
        delete node;
        node = next;
    }
    m_pNodeHead = m_pNodeTail = nullptr;
    m_nCount = 0;
}

POSITION CStringList::GetHeadPosition() const { return m_pNodeHead; }
POSITION CStringList::GetTailPosition() const { return m_pNodeTail; }
CString& CStringList::GetNext(POSITION& rPosition) {
    CNode* node = Node(rPosition);
    rPosition = node->pNext;
    return node->data;
}
const CString& CStringList::GetNext(POSITION& rPosition) const {
    CNode* node = Node(rPosition);
    rPosition = node->pNext;
    return node->data;
}
CString& CStringList::GetPrev(POSITION& rPosition) {
    CNode* node = Node(rPosition);
    rPosition = node->pPrev;
    return node->data;
}
const CString& CStringList::GetPrev(POSITION& rPosition) const {
    CNode* node = Node(rPosition);
    rPosition = node->pPrev;
    return node->data;
}
CString& CStringList::GetAt(POSITION position) { return Node(position)->data; }
const CString& CStringList::GetAt(POSITION position) const { return Node(position)->data; }

void CStringList::RemoveAt(POSITION position) {
    CNode* node = Node(position);
    (node->pPrev ? node->pPrev->pNext : m_pNodeHead) = node->pNext;
    (node->pNext ? node->pNext->pPrev : m_pNodeTail) = node->pPrev;
    delete node;
    --m_nCount;
}
POSITION CStringList::Find(LPCWSTR searchValue, POSITION startAfter) const {
    CNode* node = startAfter ? Node(startAfter)->pNext : m_pNodeHead;
    for (; node; node = node->pNext)
        if (node->data == searchValue) return node;
    return nullptr;
}
POSITION CStringList::FindIndex(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
    CNode* node = m_pNodeHead;
    while (nIndex--) node = node->pNext;
    return node;
}
