// SPDX-License-Identifier: MIT
#pragma once

// Runs the rest of a scope as an ordinary user, as the kernel sees one when
// it checks files: `uid`, with the group `gid` and the supplementary
// `groups`; root again after. Only root can become someone else; `active`
// says whether this did.

#include <grp.h>
#include <unistd.h>
#include <vector>

class OrdinaryUser {
public:
    OrdinaryUser(uid_t uid, gid_t gid, const std::vector<gid_t>& groups)
        : m_root(geteuid() == 0), m_gid(getegid()), m_groups(size_t(getgroups(0, nullptr)))
    {
        getgroups(int(m_groups.size()), m_groups.data());
        m_active = m_root && setgroups(groups.size(), groups.data()) == 0 && setegid(gid) == 0 && seteuid(uid) == 0;
    }
    ~OrdinaryUser()
    {
        if (m_root && seteuid(0) == 0 && setegid(m_gid) == 0)
            setgroups(m_groups.size(), m_groups.data());
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

    bool active() const { return m_active; }

private:
    bool m_root;
    gid_t m_gid;
    std::vector<gid_t> m_groups;
    bool m_active = false;
};
